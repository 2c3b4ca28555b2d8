#include "DeleteRangeTexts.h"
#include "plButton.h"
#include "uDelete.h"

#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using vcl::EncodeDate;

TEST(DeleteRangeTexts, DatesNamedUnlessTheEndIsOpen)
{
    TDeleteRange range{EncodeDate(2026, 3, 1), EncodeDate(2026, 5, 28), EncodeDate(2026, 4, 9) + 0.75, false};
    EXPECT_EQ(DeleteRangeTexts(range),
              (std::array<QString, 3>{QStringLiteral("投与の開始日(2026/03/01)から投与の終了日(2026/05/28)まで削除する"),
                                      QStringLiteral("選択している日(2026/04/09)から投与の終了日(2026/05/28)まで削除する"),
                                      QStringLiteral("選択している日(2026/04/09)のみ削除する")}));

    range.OpenEnd = true;
    EXPECT_EQ(DeleteRangeTexts(range),
              (std::array<QString, 3>{QStringLiteral("投与の開始日から投与の終了日まで削除する"),
                                      QStringLiteral("選択している日(2026/04/09)から投与の終了日まで削除する"),
                                      QStringLiteral("選択している日(2026/04/09)のみ削除する")}));
}

TEST(DeleteDialog, WordsItsChoicesWhenShownAndClosesByItsButtons)
{
    TfrmDelete dialog;
    EXPECT_TRUE(dialog.RadioButton2->isChecked());

    dialog.Range = {EncodeDate(2026, 3, 1), EncodeDate(2026, 3, 7), EncodeDate(2026, 3, 4), false};
    QString shownText;
    bool textsFit = false;
    int offCentre = -1;
    QTimer::singleShot(0, &dialog, [&] {
        shownText = dialog.RadioButton1->text();
        offCentre = (dialog.frameGeometry().center() - dialog.screen()->availableGeometry().center()).manhattanLength();
        textsFit = true;
        for (QRadioButton* radio : {dialog.RadioButton1, dialog.RadioButton2, dialog.RadioButton3})
            textsFit = textsFit && radio->sizeHint().width() <= radio->width();
        dialog.RadioButton3->setChecked(true);
        dialog.plButton1->Click();
    });
    EXPECT_EQ(dialog.ShowModal(), vcl::mrOk);
    EXPECT_EQ(shownText, QStringLiteral("投与の開始日(2026/03/01)から投与の終了日(2026/03/07)まで削除する"));
    EXPECT_TRUE(textsFit);
    EXPECT_GE(offCentre, 0);
    EXPECT_LE(offCentre, 1);
    EXPECT_TRUE(dialog.RadioButton3->isChecked());

    QTimer::singleShot(0, &dialog, [&] { dialog.plButton2->Click(); });
    EXPECT_EQ(dialog.ShowModal(), vcl::mrCancel);
}
