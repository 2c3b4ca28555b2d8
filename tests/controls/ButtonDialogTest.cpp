// Buttons on a dialog: the modal result and the click order, Enter and Escape.
#include "ButtonTestSupport.h"
#include "Forms.h"
#include "TestSeams.h"
#include "plButton.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vcl;
using namespace button_tests;

namespace {

// Laid out like the program's dialogs: an edit, "確定" (OK) and "閉じる" (Cancel).
struct OkCancelDialog {
    TForm form;
    QLineEdit* edit = new QLineEdit(&form);
    TplButton* plButton1 = new TplButton(&form);
    TplButton* plButton2 = new TplButton(&form);

    OkCancelDialog()
    {
        plButton1->CaptionA().SetCaption("確定");
        plButton1->SetModalResult(mrOk);
        plButton1->move(20, 80);
        plButton2->CaptionA().SetCaption("閉じる");
        plButton2->SetModalResult(mrCancel);
        plButton2->SetCancel(true);
        plButton2->move(120, 80);
    }

    // Shown modally without blocking the test, the edit focused.
    void Open()
    {
        form.open();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
    }
};

} // namespace

TEST(ButtonDialog, HandlerSeesTheResultAndMayClearItToStayOpen)
{
    testing_seams::ScriptedMessageBoxes boxes;
    OkCancelDialog d;
    TModalResult seen = -1;
    d.plButton1->OnClick = [&](QObject*) {
        seen = d.form.ModalResult();
        if (d.edit->text().isEmpty()) {
            ShowError("プリンターが選択されていません。", "エラー");
            d.form.SetModalResult(mrNone);
        }
    };
    d.Open();
    ClickAt(d.plButton1, {5, 5});
    EXPECT_EQ(seen, mrOk);
    EXPECT_TRUE(d.form.isVisible());
    d.edit->setText("x");
    ClickAt(d.plButton1, {5, 5});
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(d.form.result(), mrOk);

    // A button without a result writes mrNone too.
    d.form.SetModalResult(mrOk);
    (new TplButton(&d.form))->Click();
    EXPECT_EQ(d.form.ModalResult(), mrNone);
}

TEST(ButtonDialog, FailingHandlerIsReportedAndTheDialogStaysOpen)
{
    testing_seams::ScriptedMessageBoxes boxes;
    OkCancelDialog d;
    d.plButton1->OnClick = [](QObject*) { throw std::runtime_error("disk full"); };
    d.Open();
    EXPECT_NO_THROW(ClickAt(d.plButton1, {5, 5}));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().text, "disk full");
    EXPECT_TRUE(d.form.isVisible());
    EXPECT_EQ(d.form.ModalResult(), mrNone);
}

TEST(ButtonDialog, EscapeNeedsACancelButtonWithHasFocusAndNoModifiers)
{
    OkCancelDialog d;
    d.plButton2->SetHasFocus(false);
    d.Open();
    QTest::keyClick(d.edit, Qt::Key_Escape);
    EXPECT_TRUE(d.form.isVisible());

    d.plButton2->SetHasFocus(true);
    QTest::keyClick(d.edit, Qt::Key_Escape, Qt::ShiftModifier);
    EXPECT_TRUE(d.form.isVisible());
    QTest::keyClick(d.edit, Qt::Key_Escape);
    EXPECT_FALSE(d.form.isVisible());
    EXPECT_EQ(d.form.ModalResult(), mrCancel);
}

TEST(ButtonDialog, EscapeDoesNotCloseADialogWithoutCancelButton)
{
    OkCancelDialog d;
    d.plButton2->SetCancel(false);
    d.Open();
    QTest::keyClick(d.edit, Qt::Key_Escape);
    QTest::keyClick(&d.form, Qt::Key_Escape);
    EXPECT_TRUE(d.form.isVisible());
    d.form.close(); // the close box still closes, as Cancel
    EXPECT_EQ(d.form.ModalResult(), mrCancel);
}

TEST(ButtonDialog, EnterClicksOnlyTheFocusedButton)
{
    OkCancelDialog d;
    int oks = 0;
    d.plButton1->OnClick = [&](QObject*) {
        ++oks;
        d.form.SetModalResult(mrNone);
    };
    d.Open();
    QTest::keyClick(d.edit, Qt::Key_Return);
    EXPECT_EQ(oks, 0);
    ClickAt(d.plButton1, {5, 5}); // takes the focus
    ASSERT_EQ(d.form.focusWidget(), d.plButton1);
    QTest::keyClick(d.plButton1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(oks, 2);
    EXPECT_FALSE(d.plButton1->IsDown());
}

TEST(ButtonDialog, ShowModalRunsUntilAButtonClosesIt)
{
    testing_seams::ScriptedMessageBoxes boxes;
    OkCancelDialog d;
    d.plButton1->OnClick = [&](QObject*) {
        ShowError("グラフ最大値を入力してください。", "スケール設定エラー");
        d.form.SetModalResult(mrNone);
    };
    bool openAfterFailedOk = false;
    QTimer::singleShot(0, [&] {
        ClickAt(d.plButton1, {5, 5});
        openAfterFailedOk = d.form.isVisible();
        ClickAt(d.plButton2, {5, 5});
    });
    EXPECT_EQ(d.form.ShowModal(), mrCancel);
    EXPECT_TRUE(openAfterFailedOk);
    EXPECT_EQ(boxes.count(), 1);
}

TEST(ButtonDialog, ModelessWindowKeepsItsResultAndStays)
{
    OkCancelDialog d;
    d.form.show();
    ClickAt(d.plButton1, {5, 5});
    EXPECT_TRUE(d.form.isVisible());
    EXPECT_EQ(d.form.ModalResult(), mrOk);
}
