// The help window stays usable over an open search dialog.
#include "SearchDialogFixture.h"
#include "uCaseSearch.h"
#include "uHelpDlg.h"
#include "uPatientSearch.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <utility>

namespace {

// Counts the mouse presses that reach a window or a control of it (the page
// shown takes a press itself).
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == window_)
            ++presses;
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

} // namespace

TEST_F(SearchDialogTest, HelpWindowIsUsableOverEitherDialogAndGoesBackWhenItCloses)
{
    mainWindow.show();
    frmHelpDlg = new TfrmHelpDlg(&mainWindow);
    PressCounter counter(frmHelpDlg);
    // A click as the window system delivers it: a modal dialog may block it.
    const auto clickHelp = [&] {
        frmHelpDlg->show();
        QTest::mouseClick(frmHelpDlg->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        return std::exchange(counter.presses, 0);
    };

    TfrmPatientSearch patients(&mainWindow);
    TfrmCaseSearch cases(&mainWindow);
    for (const auto& [dialog, helpButton] : {std::pair<vcl::TForm*, TplButton*>{&patients, patients.plButton29},
                                             std::pair<vcl::TForm*, TplButton*>{&cases, cases.plButton29}}) {
        int beforeHelpButton = -1;
        int afterHelpButton = -1;
        RunModal(*dialog, [&] {
            beforeHelpButton = clickHelp();
            helpButton->Click();
            afterHelpButton = clickHelp();
        });
        EXPECT_EQ(beforeHelpButton, 0);
        EXPECT_EQ(afterHelpButton, 1);
        EXPECT_EQ(frmHelpDlg->parentWidget(), &mainWindow);
        EXPECT_TRUE(frmHelpDlg->isVisible());
    }

    // A dialog that goes while it holds the help window leaves it behind.
    auto* holder = new TfrmCaseSearch(&mainWindow);
    holder->plButton29Click(nullptr);
    EXPECT_EQ(frmHelpDlg->parentWidget(), holder);
    delete holder;
    EXPECT_EQ(frmHelpDlg->parentWidget(), &mainWindow);

    delete frmHelpDlg;
    frmHelpDlg = nullptr;
    // Without a help window "?" does nothing.
    EXPECT_EQ(RunModal(patients, [&] { patients.plButton29->Click(); }), vcl::mrCancel);
}
