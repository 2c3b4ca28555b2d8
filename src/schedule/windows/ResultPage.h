#pragma once
// The result page of the main window ("解析結果"): the concentration graph
// with its legend and display options, the buttons of the result dialogs and
// the changed regimens.
#include "ConcentrationGraph.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class TGraphPanel;
class TMainWindowHub;
class TplButton;

class TResultPage : public QWidget {
    Q_OBJECT

public:
    TResultPage(TMainWindowHub& hub, QWidget* parent = nullptr);

    // Shows the results of the current case and moves the workflow to them.
    void ShowResults();
    // The dose events changed since the curves were computed: the page
    // computes them again before it next shows.
    void InvalidateCurves() { curvesOutdated_ = true; }
    // Before the page shows: after a change of the dose events the legend and
    // the curves are computed again (the estimates stay). False, after telling
    // the user why, when a set in use is one the engine cannot compute; the
    // page must not show then.
    bool ReadyToShow();
    // --- the graph ---
    // Computes the curves, then draws the graph.
    void RefreshGraph();
    // The curve layers, the curve lists and the compartment listing of the
    // view, computed on worker threads while the window stays alive.
    void ComputeCurves();
    // The axes layer, then which curve layers show; never recomputes curves.
    void DrawGraph();
    void DrawGraphAxes();
    // The legend for the drug and the sets in use, and the optional buttons.
    void SetGraphLegend();

    const TConcentrationGraph& Graph() const { return graph_; }
    const TCurveLists& CurveLists() const { return graph_.CurveLists(); }
    const QStringList& CompartmentLines() const { return graph_.CompartmentLines(); }

    // What the legend's check boxes show.
    TGraphDisplayOptions DisplayOptions() const;

    // Display options: each redraws the graph.
    void CheckBox1Click(QObject* Sender);
    void CheckBox2Click(QObject* Sender);
    void CheckBox3Click(QObject* Sender);
    void CheckBox10Click(QObject* Sender);   // CheckBox10 .. CheckBox13, CheckBox4, CheckBox5

    TGraphPanel* Panel9;
    QGroupBox* GroupBox16;
    QCheckBox* CheckBox1;      // "患者"
    QCheckBox* CheckBox2;      // "母集団"
    QCheckBox* CheckBox3;      // "測定値"
    QCheckBox* CheckBox4;      // the solid curves
    QCheckBox* CheckBox5;      // the dotted curves
    QFrame* Bevel2;
    std::array<QCheckBox*, 4> SetRows{};    // CheckBox10 .. CheckBox13
    std::array<QLabel*, 4> SetLabels{};     // Label52 .. Label55

    TplButton* plButton52;     // the bar of the result dialogs' buttons
    TplButton* plButton13;     // "動態係数"; the main window opens the parameter display
    TplButton* plButton19;     // "血中濃度比較"
    TplButton* plButton20;     // "採血点確認"
    TplButton* plButton22;     // "グラフスケール"
    TplButton* plButton54;     // "AUC値表示"
    TplButton* plButton17;     // "血中/末梢濃度"
    TplButton* plButton57;     // "アルブミン補正"
    TplButton* plButton58;     // "Vmax"
    TplButton* plButton59;     // "PK/PD"
    TplButton* plButton23;     // "投与変更"
    TplButton* plButton34;     // "剤形変更"
    TplButton* plButton12;     // "印字"; the main window attaches the print command
    TplButton* plButton42;     // the export button panel, shown when exporting is set up
    TplButton* plButton44;     // "CSV出力" on the panel; the main window attaches the export
    TplButton* plButton43;     // "入力値補正" on the panel

private:
    void BuildLegend();
    void BuildButtons();

    TMainWindowHub& hub_;
    TConcentrationGraph graph_;
    bool curvesOutdated_ = false;
};
