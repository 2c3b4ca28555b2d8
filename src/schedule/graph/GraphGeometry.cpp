#include "GraphGeometry.h"

#include "DateTimeFormat.h"
#include "Fonts.h"
#include "NumberFormat.h"
#include "WholeMinutes.h"

#include <QFont>
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

namespace {

constexpr double PlotWidth = GraphDesignWidth - 80;    // 720
constexpr double PlotHeight = GraphDesignHeight - 80;  // 370

constexpr TGraphPen GridPen{vcl::clGray, 1, GraphPenStyle::Dot};
constexpr vcl::TColor BandColor = 0xB5FFFF;
constexpr vcl::TColor ToxicityZoneColor = 0xD9D9FF;
constexpr vcl::TColor MeasuredColor = 0x008000;
constexpr TGraphPen ThresholdPen{vcl::clRed, 3, GraphPenStyle::Solid};

int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

double YScale(const TGraphState& graph)
{
    return PlotHeight / graph.GraphYRange;
}

// Pixels per day and per minute of the view.
double DayScale(const TGraphState& graph)
{
    return PlotWidth / graph.GraphViewDays;
}
double MinuteScale(const TGraphState& graph)
{
    return PlotWidth / (graph.GraphViewDays * 1440.0);
}

TGraphPolyline Line(QPoint from, QPoint to, const TGraphPen& pen)
{
    return TGraphPolyline{pen, {from, to}};
}

TGraphText Text(int x, int y, const QString& text)
{
    return TGraphText{QPoint(x, y), text, vcl::clBlack, GraphFontPixels, 0};
}

// The grid's step in y units for a y range.
int LevelStep(double yRange)
{
    if (yRange <= 20)
        return 1;
    if (yRange <= 100)
        return 5;
    if (yRange <= 200)
        return 10;
    if (yRange <= 1000)
        return 50;
    return 100;
}

void AddBand(TGraphPicture& picture, const TGraphState& g, double yScale)
{
    const bool upperOnAxis = g.GraphYMin <= g.RangeUpper && g.RangeUpper <= g.GraphYMax;
    const bool lowerOnAxis = g.GraphYMin <= g.RangeLower && g.RangeLower <= g.GraphYMax;
    const bool coversAxis = g.RangeLower <= g.GraphYMin && g.GraphYMax <= g.RangeUpper;
    if (!upperOnAxis && !lowerOnAxis && !coversAxis)
        return;
    const double top = g.RangeUpper <= g.GraphYMax ? g.GraphYMax - g.RangeUpper : 0;
    const double bottom = g.GraphYMin <= g.RangeLower ? g.GraphYMax - g.RangeLower : g.GraphYMax - g.GraphYMin;
    const int topRow = Trunc(top * yScale + PlotTop);
    const int bottomRow = Trunc(bottom * yScale + PlotTop);
    if (bottomRow > topRow)
        picture.Add(TGraphFill{QRect(PlotLeft, topRow, PlotRight - PlotLeft, bottomRow - topRow), BandColor});
}

// The toxicity zone's places: h hours after the first dose's time of day,
// counted from the midnight of the left edge, and plot value p.
struct ZonePlaces {
    double timeOfDay;
    double minuteScale;
    double yScale;

    int X(int hours) const
    {
        return Trunc(WholeMinutesSince(timeOfDay + hours / 24.0, 0) * minuteScale + PlotLeft);
    }
    int Y(double plotValue) const { return std::clamp(Trunc(PlotBottom - plotValue * yScale), PlotTop, PlotBottom); }
};

void AddToxicityZone(TGraphPicture& picture, const ZonePlaces& at)
{
    const TGraphPen zonePen{vcl::clGray, 1, GraphPenStyle::Dot};
    picture.Add(TGraphPolygon{zonePen,
                              ToxicityZoneColor,
                              {QPoint(at.X(24), at.Y(6)), QPoint(at.X(24), at.Y(3)), QPoint(at.X(72), at.Y(1)),
                               QPoint(at.X(72), at.Y(6))}});
}

void AddThresholdMarks(TGraphPicture& picture, const ZonePlaces& at, const TGraphTextMetrics& metrics)
{
    static const QString texts[3] = {QStringLiteral("24時間10μM"), QStringLiteral("48時間1μM"),
                                     QStringLiteral("72時間0.1μM")};
    const int h = metrics.Height();
    for (int k = 0; k < 3; ++k) {
        const int x = at.X(24 * (k + 1));
        const int y = at.Y(3 - k);
        picture.Add(TGraphEllipse{ThresholdPen, QRect(x - 8, y - 8, 16, 16)});
        picture.Add(Text(x + 12, Trunc(y - h / 2.0), texts[k]));
    }
    const QString zone = QStringLiteral("Toxicity Zone");
    const QRect box(QPoint(at.X(24), at.Y(6)), QPoint(at.X(72) - 1, at.Y(3) - 1));
    picture.Add(Text(box.left() + (box.width() - metrics.Width(zone)) / 2, box.top() + (box.height() - h) / 2, zone));
}

void AddLevels(TGraphPicture& picture, const TGraphState& g, GraphAxis axis, double yScale,
               const TGraphTextMetrics& metrics)
{
    const int step = LevelStep(g.GraphYRange);
    const int h = metrics.Height();
    for (int v = 0; v <= g.GraphYRange; v += step) {
        const int y = Trunc(PlotBottom - v * yScale);
        picture.Add(Line(QPoint(PlotLeft, y), QPoint(PlotRight, y), GridPen));
        const QString label = axis == GraphAxis::Logarithmic
                                  ? vcl::FormatFloat(QStringLiteral("0.00"), std::pow(10.0, g.GraphYMin + v))
                                  : vcl::IntToStr(static_cast<long long>(g.GraphYMin) + v);
        // Right-aligned against x 59.
        picture.Add(Text(PlotLeft - 1 - metrics.Width(label), Trunc(y - h / 2.0), label));
    }
}

void AddDays(TGraphPicture& picture, const TGraphState& g, const TGraphTextMetrics& metrics)
{
    const double xDay = DayScale(g);
    for (int d = 0; d <= g.GraphViewDays; ++d) {
        const int x = Trunc(d * xDay + PlotLeft);
        picture.Add(Line(QPoint(x, PlotTop), QPoint(x, PlotBottom), GridPen));
        const vcl::TDateTime date = g.GraphViewStart + d;
        int year = 0, month = 0, day = 0;
        vcl::DecodeDate(date, year, month, day);
        const bool withMonth = d == 0 || d == g.GraphViewDays || day == 1;
        const QString label = vcl::FormatDateTime(withMonth ? QStringLiteral("m/d") : QStringLiteral("d"), date);
        picture.Add(Text(Trunc(d * xDay + PlotLeft - metrics.Width(label) / 2.0), 400, label));
    }
}

void AddMeasured(TGraphPicture& picture, const TGraphState& g, GraphAxis axis, double yScale,
                 const std::vector<TMeasuredPoint>& measured)
{
    const double xDay = DayScale(g);
    for (const TMeasuredPoint& point : measured) {
        if (!(g.GraphViewStart <= point.DateTime && point.DateTime <= g.GraphViewEnd))
            continue;
        if (axis == GraphAxis::Logarithmic && !(point.Value > 0))
            continue;
        const double v = axis == GraphAxis::Logarithmic ? std::log10(point.Value) : point.Value;
        if (!(g.GraphYMin <= v && v <= g.GraphYMax))
            continue;
        const double x = (point.DateTime - g.GraphViewStart) * xDay + PlotLeft;
        const double y = PlotBottom - (v - g.GraphYMin) * yScale;
        const QPoint topLeft(Trunc(x - 4), Trunc(y - 4));
        const QPoint bottomRight(Trunc(x + 4), Trunc(y + 4));
        picture.Add(TGraphFill{QRect(topLeft, bottomRight - QPoint(1, 1)), MeasuredColor});
    }
}

} // namespace

TCurveSampling CurveSamplingFor(int viewDays)
{
    const int step = viewDays < 10 ? 2 : viewDays < 30 ? 10 : viewDays < 90 ? 20 : 30;
    return {step, viewDays > 0 ? viewDays * 1440 / step : 0};
}

bool IsDrawableGraph(const TGraphState& graph)
{
    return graph.GraphViewDays >= 1 && std::isfinite(graph.GraphYRange) && graph.GraphYRange > 0;
}

double PlotValue(double c, const TGraphState& graph, GraphAxis axis)
{
    if (axis == GraphAxis::Logarithmic)
        return c <= 0 ? graph.GraphYMin + 2 : std::log10(c) + 2;
    return c - graph.GraphYMin;
}

int CurveRow(double plotValue, double yScale)
{
    const double row = PlotBottom - plotValue * yScale;
    if (std::isnan(row))
        return PlotBottom;
    return Trunc(std::clamp(row, static_cast<double>(PlotTop), static_cast<double>(PlotBottom)));
}

TGraphPolyline CurvePolyline(std::span<const double> values, int stepMinutes, const TGraphState& graph,
                             GraphAxis axis, const TGraphPen& pen)
{
    TGraphPolyline line{pen, {}};
    if (!IsDrawableGraph(graph))
        return line;
    const double xScale = MinuteScale(graph);
    const double yScale = YScale(graph);
    line.Points.reserve(values.size());
    for (std::size_t j = 0; j < values.size(); ++j) {
        const int x = Trunc(static_cast<double>(j) * stepMinutes * xScale + PlotLeft);
        if (x >= PlotRight)
            break;
        line.Points.emplace_back(x, CurveRow(PlotValue(values[j], graph, axis), yScale));
    }
    return line;
}

int TGraphFontMetrics::Width(const QString& text) const
{
    QFont font = vcl::ProgramFont();
    font.setPixelSize(GraphFontPixels);
    return QFontMetrics(font).horizontalAdvance(text);
}

int TGraphFontMetrics::Height() const
{
    QFont font = vcl::ProgramFont();
    font.setPixelSize(GraphFontPixels);
    return QFontMetrics(font).height();
}

TGraphPicture GraphAxesPicture(const TGraphAxesInput& input, const TGraphTextMetrics& metrics)
{
    TGraphPicture picture;
    picture.Add(TGraphFill{QRect(0, 0, GraphDesignWidth, GraphDesignHeight), vcl::clWhite});
    const TGraphState& g = input.Graph;
    if (!IsDrawableGraph(g))
        return picture;
    const GraphAxis axis = GraphCaseOf(input.Drug).Axis;

    TGraphText yTitle = Text(15, GraphDesignHeight / 2 + 20, GraphYAxisTitle(input.Drug));
    yTitle.RotationDegrees = 90;
    picture.Add(yTitle);
    picture.Add(Text(GraphDesignWidth / 2 - 20, 425, QStringLiteral("時間(月/日)")));

    const double yScale = YScale(g);
    std::optional<ZonePlaces> zone;
    if (axis == GraphAxis::Logarithmic && input.FirstDoseTimeOfDay)
        zone = ZonePlaces{*input.FirstDoseTimeOfDay, MinuteScale(g), yScale};
    if (axis == GraphAxis::Logarithmic) {
        if (zone)
            AddToxicityZone(picture, *zone);
    } else {
        AddBand(picture, g, yScale);
    }
    AddLevels(picture, g, axis, yScale, metrics);
    AddDays(picture, g, metrics);
    if (zone)
        AddThresholdMarks(picture, *zone, metrics);
    AddMeasured(picture, g, axis, yScale, input.Measured);
    return picture;
}
