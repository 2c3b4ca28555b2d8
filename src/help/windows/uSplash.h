#pragma once
// TfrmSplash ("TDM"): the disclaimer shown at every start. The only ways past
// it are its two buttons: "同意する" closes it, "同意しない" closes the main
// window, which ends the program. It has no close box, and Escape does nothing.
#include "Forms.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class TplButton;

class TfrmSplash : public vcl::TForm {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget* parent = nullptr);

    // "同意する": closes the disclaimer; with CheckBox1 ticked the HELP window follows.
    void plButton1Click(QObject* Sender);
    // "同意しない": closes the window that owns the disclaimer (the main
    // window, which asks first); the disclaimer closes with it.
    void plButton2Click(QObject* Sender);

    // Escape and the window system's close request do not close it.
    void reject() override;

    QLabel* Label3;          // "【重要】"
    QLabel* Label1;          // the title
    QPlainTextEdit* Memo1;   // the disclaimer's text
    QCheckBox* CheckBox1;    // "同意後、操作説明を表示する", hidden
    TplButton* plButton1;    // "同意する"
    TplButton* plButton2;    // "同意しない"

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CloseWith(vcl::TModalResult result);

    bool closingByButton_ = false;
};

extern TfrmSplash* frmSplash;
