#pragma once
// TfrmHelp ("HELP"): names the step the user is on ("解析のポイント" over a
// memo holding the title of the main window's active page). Created once at
// start-up; the disclaimer opens it when its (hidden) check box is ticked.
#include "Forms.h"

#include <functional>

class QLabel;
class QPlainTextEdit;
class TplButton;

class TfrmHelp : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    // Where the window reads the main window's active page (0..3).
    void SetActivePageSource(std::function<int()> source) { activePage_ = std::move(source); }

    // The memo becomes the active page's title (any other index leaves it).
    void FormActivate();

    QLabel* Label1;          // "解析のポイント"
    QPlainTextEdit* Memo1;
    TplButton* plButton10;   // "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<int()> activePage_;
};

extern TfrmHelp* frmHelp;
