// The dialogs' own layout: nothing overlaps or leaves the window, and the
// result grid shows its header and ten rows, then scrolls down only.
#include "SearchDialogFixture.h"
#include "StringGridEx.h"
#include "uCaseSearch.h"
#include "uPatientSearch.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

namespace {

void ExpectTidyLayout(QWidget& dialog)
{
    std::vector<QWidget*> shown;
    for (QWidget* widget : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!widget->isWindow() && widget->isVisibleTo(&dialog))
            shown.push_back(widget);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_TRUE(dialog.rect().contains(shown[i]->geometry())) << shown[i]->objectName().toStdString();
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                << shown[i]->objectName().toStdString() << " / " << shown[j]->objectName().toStdString();
    }
}

} // namespace

TEST_F(SearchDialogTest, DialogsShowTheirGridsTenRowsDeepAndScrollDownOnly)
{
    TfrmPatientSearch patients(&mainWindow);
    TfrmCaseSearch cases(&mainWindow);
    const auto addCases = [&](int count) {
        for (int i = 0; i < count; ++i) {
            const QString key = QStringLiteral("202601060900%1").arg(i, 2, 10, QLatin1Char('0'));
            AddPatient({key, QStringLiteral("5%1").arg(i), QStringLiteral("長い名前の患者さん%1").arg(i), {},
                        QStringLiteral("循環器内科"), QStringLiteral("佐藤")});
            AddAnalysis(key, 0, vcl::EncodeDate(2026, 1, 1) + i);
        }
    };
    // Searches, checks the columns and scroll bars, and tells whether every row is in view.
    const auto search = [&](TplButton* button, TStringGridEx* grid, int lastTitledColumn) {
        button->Click();
        QTest::qWait(20);
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
        EXPECT_LE(grid->CellRect(lastTitledColumn, 1).right(), grid->viewport()->width());
        const QRect last = grid->CellRect(0, grid->RowCount() - 1);
        const bool lastInView = !last.isEmpty() && last.bottom() < grid->viewport()->height();
        // The scroll bar is there exactly when rows are out of view.
        EXPECT_NE(lastInView, grid->verticalScrollBar()->isVisible());
        return lastInView;
    };
    patients.Edit1->setText(QStringLiteral("5"));
    for (vcl::TForm* dialog : {static_cast<vcl::TForm*>(&patients), static_cast<vcl::TForm*>(&cases)}) {
        dialog->show();
        QTest::qWait(20);
        ExpectTidyLayout(*dialog);
    }
    EXPECT_FALSE(patients.Edit1->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(cases.Edit1->testAttribute(Qt::WA_InputMethodEnabled));

    addCases(10);
    EXPECT_TRUE(search(patients.plButton8, patients.StringGridEx1, 3));
    EXPECT_TRUE(search(cases.plButton8, cases.StringGridEx3, 4));
    addCases(15);
    EXPECT_FALSE(search(patients.plButton8, patients.StringGridEx1, 3));
    EXPECT_FALSE(search(cases.plButton8, cases.StringGridEx3, 4));
}
