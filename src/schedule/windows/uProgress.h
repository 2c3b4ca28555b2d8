#pragma once
// TfrmProgress: the "graph is being updated" window. The curve computation
// moves ProgressBar1 (0 to 5); nothing shows the window, so the bar moves
// while it stays hidden. Created once at start-up and kept.
#include "Forms.h"

#include <QEvent>

class QLabel;
class QProgressBar;

class TfrmProgress : public vcl::TForm {
    Q_OBJECT

public:
    // Posted when the graph update is over: the window hands the keyboard
    // focus to the main window's CheckBox1 and hides. It is message 1224,
    // the first user message number plus 200.
    static constexpr QEvent::Type DoneMessage = static_cast<QEvent::Type>(QEvent::User + 200);
    static constexpr int ProgressSteps = 5;

    explicit TfrmProgress(QWidget* parent = nullptr);

    QLabel* Label1;              // "グラフ更新中・・・"
    QProgressBar* ProgressBar1;  // 0 .. ProgressSteps

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void UpdateDone();
};

extern TfrmProgress* frmProgress;
