#include "GraphPanel.h"

#include "ConcentrationGraph.h"

#include <QPainter>

TGraphPanel::TGraphPanel(const TConcentrationGraph& graph, QWidget* parent) : QWidget(parent), graph_(graph)
{
    setObjectName(QStringLiteral("Panel9"));
    setFixedSize(GraphDesignWidth, GraphDesignHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGraphPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    graph_.PaintVisibleLayers(painter, rect());
}
