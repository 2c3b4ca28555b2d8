#pragma once
// Which curve layers the display options show, how the legend group is laid
// out for the drug and the sets in use, and where the result page's optional
// buttons go.
#include "GraphCases.h"

#include <QString>
#include <array>
#include <optional>

// The layers of the graph, bottom to top, named as the result page's pictures.
enum class GraphLayer {
    ImageWaveBase,     // axes, labels, band or zone, measured points
    ImageWaveBosyu,    // population curve
    ImageWave0,        // schedule sets 0 .. 3
    ImageWave1,
    ImageWave2,
    ImageWave3,
    ImageWaveBosyuM,   // the dotted second curves
    ImageWave0M,
    ImageWave1M,
    ImageWave2M,
    ImageWave3M,
};
inline constexpr int GraphLayerCount = 11;

constexpr GraphLayer SetLayer(int set)
{
    return static_cast<GraphLayer>(static_cast<int>(GraphLayer::ImageWave0) + set);
}
constexpr GraphLayer SetDottedLayer(int set)
{
    return static_cast<GraphLayer>(static_cast<int>(GraphLayer::ImageWave0M) + set);
}

// The legend's check boxes.
struct TGraphDisplayOptions {
    bool Patient = true;          // CheckBox1 "患者"
    bool Population = true;       // CheckBox2 "母集団"
    bool Solid = true;            // CheckBox4, the solid curves
    bool Dotted = true;           // CheckBox5, the dotted curves
    std::array<bool, 4> Sets{true, true, true, true};   // CheckBox10 .. CheckBox13
};

using TGraphLayerVisibility = std::array<bool, GraphLayerCount>;

// The curve layers shown; the base layer is always shown. With only the
// patient's schedule in use its row (CheckBox10) does not count; layers of
// sets above lastSetIndex and dotted layers of drugs without them are hidden.
TGraphLayerVisibility GraphLayerVisibility(const TGraphCase& graphCase, int lastSetIndex,
                                           const TGraphDisplayOptions& options);

// The legend group for the drug and the sets in use.
struct TGraphLegendLayout {
    bool PairShown = false;          // CheckBox4, CheckBox5 and Bevel2
    QString SolidCaption;
    QString DottedCaption;
    QString CompartmentHint;         // the hint of plButton17 when it is set, else empty
    std::array<int, 4> RowTops{};    // CheckBox10 / Label52 .. CheckBox13 / Label55
    std::array<bool, 4> RowEnabled{};
    int GroupHeight = 0;             // GroupBox16
};
TGraphLegendLayout GraphLegendLayout(const TGraphCase& graphCase, int lastSetIndex);

// The result page's optional buttons, in their order on the button bar.
enum class OptionalResultButton { plButton54, plButton17, plButton57, plButton58, plButton59 };
inline constexpr int OptionalResultButtonCount = 5;

struct TOptionalButtonLayout {
    int BarWidth = 0;                                      // plButton52
    std::array<std::optional<int>, OptionalResultButtonCount> Left;   // shown at this x, or hidden
};
TOptionalButtonLayout OptionalResultButtons(const TDrugKey& drug);
