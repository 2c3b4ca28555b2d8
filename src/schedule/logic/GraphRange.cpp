#include "GraphRange.h"

#include "DrugMaster.h"

#include <cmath>

namespace {

using namespace drugs;

struct TFixedAxis {
    int Max;
    int Min;
};

// The products whose y axis does not follow the therapeutic range.
constexpr TDrugRule<TFixedAxis> FixedAxisTable[] = {
    {Arbekacin.Product(1), {40, 0}},              // arbekacin
    {Vancomycin.Product(1).Algo(2), {60, 0}},     // vancomycin, two compartments
    {Teicoplanin.Product(1), {70, 0}},            // teicoplanin
    {Meropenem.Product(1), {60, 0}},              // meropenem
    {Methotrexate.Product(1), {4, -2}},           // methotrexate, logarithmic axis 10^-2 .. 10^4
};

} // namespace

void SetGraphRangeFromLimits(TGraphState& graph, const TDrugKey& drug)
{
    ReadRangeLimits(drug.kubun, drug.yakuzai, drug.yakuhin, graph.RangeUpper, graph.RangeLower);
    if (const std::optional<TFixedAxis> axis = FindFirstMatch(FixedAxisTable, drug)) {
        graph.GraphYMax = axis->Max;
        graph.GraphYMin = axis->Min;
    } else {
        // A hand-edited settings file may hold anything; the axis stays drawable.
        const double top = std::ceil(2 * graph.RangeUpper);
        graph.GraphYMax = std::isfinite(top) && top < 1e6 ? static_cast<int>(top) : 1;
        graph.GraphYMin = 0;
    }
    if (graph.GraphYMax < 1)
        graph.GraphYMax = 1;
    graph.GraphYRange = graph.GraphYMax - graph.GraphYMin;
}
