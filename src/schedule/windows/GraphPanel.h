#pragma once
// Panel9 of the result page: the graph's layers stacked on one 800 x 450
// surface. It paints the layer images drawn before and never computes.
#include <QWidget>

class TConcentrationGraph;

class TGraphPanel : public QWidget {
    Q_OBJECT

public:
    TGraphPanel(const TConcentrationGraph& graph, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TConcentrationGraph& graph_;
};
