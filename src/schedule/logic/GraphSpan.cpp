#include "GraphSpan.h"

#include "Udifine.h"

#include <cmath>
#include <limits>

namespace {

using namespace drugs;

double EndOrOpenEnd(const TPrescription& prescription)
{
    return prescription.touyo_end_time == OpenEndDate ? prescription.touyo_start_time + OpenEndExtraDays
                                                      : prescription.touyo_end_time;
}

// trunc() to int without undefined behaviour for values that no schedule
// entry can produce (a damaged record).
int TruncToInt(double value)
{
    if (!(std::fabs(value) < std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(std::trunc(value));
}

// Methotrexate's span is fixed from its first day.
constexpr TDrugRule<double> FixedSpanTable[] = {
    {Methotrexate, 3.0},      // methotrexate, every product: first day + 3
};

// Days the view shows from the first day when the span is longer.
constexpr TDrugRule<double> ViewWidthTable[] = {
    {Digoxin, 30.0},          // digoxin, every product
};
constexpr double DefaultViewWidth = 14.0;

} // namespace

void ComputeGraphSpan(const std::vector<TPrescription>& prescriptions, const TDrugKey& drug,
                      vcl::TDateTime today, TGraphState& graph)
{
    double first = vcl::DateOf(today);
    double last = first;
    if (!prescriptions.empty()) {
        first = prescriptions.front().touyo_start_time;
        last = EndOrOpenEnd(prescriptions.front());
        for (std::size_t i = 1; i < prescriptions.size(); ++i) {
            const TPrescription& prescription = prescriptions[i];
            if (prescription.touyo_start_time < first)
                first = prescription.touyo_start_time;
            const double candidate = EndOrOpenEnd(prescription);
            if (last < candidate)
                last = candidate;
        }
    }
    if (const std::optional<double> fixedSpan = FindFirstMatch(FixedSpanTable, drug))
        last = first + *fixedSpan;

    graph.GraphFirstDay = first;
    graph.GraphLastDay = last;
    graph.GraphViewStart = first;
    const double viewWidth = FirstMatch(ViewWidthTable, drug, DefaultViewWidth);
    graph.GraphViewEnd = (viewWidth - 1 >= last - first) ? last + 1 : first + viewWidth;
    graph.GraphViewDays = TruncToInt(graph.GraphViewEnd - graph.GraphViewStart);
}
