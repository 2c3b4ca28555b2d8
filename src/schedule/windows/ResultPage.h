#pragma once
// The result page of the main window ("解析結果"): the concentration graph,
// the changed regimens and the result dialogs.
#include <QWidget>

class TMainWindowHub;
class TplButton;

class TResultPage : public QWidget {
    Q_OBJECT

public:
    TResultPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // Shows the results of the current case and moves the workflow to them.
    void ShowResults();
    // Recomputes the curves of the case and redraws the graph. Nothing is
    // drawn yet: the page shows the estimates without a curve until the
    // graph comes.
    void RefreshGraph();

    TplButton* plButton12;     // "印字"; the main window attaches the print command
    TplButton* plButton13;     // "動態係数"; the main window opens the parameter display
    TplButton* plButton42;     // the export button panel, shown when exporting is set up
    TplButton* plButton44;     // "CSV出力" on the panel; the main window attaches the export
    TplButton* plButton43;     // "入力値補正" on the panel

private:
    TMainWindowHub& hub_;
};
