// The dialog base: modal results (also deferred during a click), dialog keys,
// fixed size; and the guard around event handlers.
#include "Events.h"
#include "Exceptions.h"
#include "Forms.h"
#include "TestSeams.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vcl;

namespace {

// A control that takes one dialog key and counts what it is offered.
class KeyTaker : public QWidget, public DialogKeyReceiver {
public:
    KeyTaker(QWidget* parent, std::optional<TDialogKey> takes) : QWidget(parent), takes_(takes) {}
    bool DialogKey(TDialogKey key, Qt::KeyboardModifiers) override
    {
        ++offered;
        return takes_ == key;
    }
    int offered = 0;

private:
    std::optional<TDialogKey> takes_;
};

void OpenModal(TForm& form)
{
    form.open();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

} // namespace

TEST(Forms, ResultClosesAModalDialogOnlyWhenNoClickDefersIt)
{
    TForm form;
    OpenModal(form);
    {
        TForm::ModalResultDeferral outer(&form);
        {
            TForm::ModalResultDeferral inner(&form);
            form.SetModalResult(mrOk);
        }
        EXPECT_TRUE(form.isVisible());
        form.SetModalResult(mrNone); // a failed check takes it back
    }
    EXPECT_TRUE(form.isVisible());
    form.SetModalResult(mrCancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), mrCancel);
}

TEST(Forms, ShowModalStartsFromNoneAndReturnsTheResult)
{
    TForm form;
    form.SetModalResult(mrCancel); // hidden: only recorded
    TModalResult atStart = -1;
    QTimer::singleShot(0, [&] {
        atStart = form.ModalResult();
        form.SetModalResult(mrOk);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(atStart, mrNone);

    OpenModal(form);
    form.close(); // the close box
    EXPECT_EQ(form.ModalResult(), mrCancel);
}

TEST(Forms, DialogKeysGoToTheControlsOfTheWindowOnly)
{
    TForm form;
    auto* group = new QWidget(&form);
    auto* first = new KeyTaker(group, std::nullopt);
    auto* second = new KeyTaker(group, TDialogKey::Escape);
    auto* third = new KeyTaker(&form, TDialogKey::Escape);
    TForm nested(&form); // a dialog parented to this one keeps its keys
    auto* foreign = new KeyTaker(&nested, TDialogKey::Enter);
    OpenModal(form);

    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(first->offered, 1);
    EXPECT_EQ(second->offered, 1);
    EXPECT_EQ(third->offered, 0); // the first taker ends the round
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(third->offered, 1);
    EXPECT_EQ(foreign->offered, 0);
    EXPECT_TRUE(form.isVisible()); // neither key closes the dialog by itself
}

TEST(Forms, FixedClientSizeAndColour)
{
    TForm form;
    form.SetClientSize(471, 249);
    EXPECT_EQ(form.minimumSize(), QSize(471, 249));
    EXPECT_EQ(form.maximumSize(), QSize(471, 249));
    form.SetColor(16572613);
    EXPECT_EQ(form.palette().color(QPalette::Window), ToQColor(16572613));
}

TEST(Events, HandlerExceptionsAreReportedAndStop)
{
    testing_seams::ScriptedMessageBoxes boxes;
    EXPECT_TRUE(RunEventHandler([] {}));
    EXPECT_FALSE(RunEventHandler([] { throw EConvertError("'abc' is not a valid number"); }));
    EXPECT_FALSE(RunEventHandler([] { throw 42; }));
    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown()[0].text, "'abc' is not a valid number");
    EXPECT_EQ(boxes.shown()[0].caption, "エラー");
    EXPECT_EQ(boxes.shown()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(boxes.shown()[1].text, "予期しないエラーが発生しました。");
}
