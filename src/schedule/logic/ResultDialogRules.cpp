#include "ResultDialogRules.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "SchedulePageRules.h"

#include <algorithm>

namespace {

using namespace drugs;

constexpr TDrugRule<TInitialValueUnit> InitialValueUnitTable[] = {
    {Digoxin.Products(1, 4), {u"ng/mL", u"0.0"}},      // digoxin
    {Lithium, {u"mEq/L", u"0.00"}},                    // lithium carbonate
    {Phenytoin.Products(2, 3), {u"μg/mL", u"0.00"}},   // phenytoin and fosphenytoin injections
};
constexpr TInitialValueUnit DefaultInitialValueUnit{u"μg/mL", u"0.0"};

constexpr TDrugRule<TCompartmentHeadings> CompartmentHeadingTable[] = {
    {Methotrexate, {u"血中(μM)", u"末梢(μM)"}},   // methotrexate
};
constexpr TCompartmentHeadings DefaultCompartmentHeadings{u"血中(μg/mL)", u"末梢(μg/mL)"};

constexpr double ScheduleReachDays = 100;

int SetsInUse(int k)
{
    return std::clamp(k, 0, ScheduleSetCount - 1);
}

QString ValueText(double value)
{
    return vcl::FormatFloat(QStringLiteral("0.0000"), value);
}

} // namespace

QString ConcentrationHeadingFor(const TDrugKey& drug)
{
    // The unit the schedule page enters the drug's measured values in.
    return QStringLiteral("血中濃度(%1)").arg(QString::fromUtf16(SchedulePageUnitsFor(drug).SamplingUnit));
}

std::span<const TDrugRule<TInitialValueUnit>> InitialValueUnitRules()
{
    return InitialValueUnitTable;
}

TInitialValueUnit InitialValueUnitFor(const TDrugKey& drug)
{
    return FirstMatch(InitialValueUnitTable, drug, DefaultInitialValueUnit);
}

std::span<const TDrugRule<TCompartmentHeadings>> CompartmentHeadingRules()
{
    return CompartmentHeadingTable;
}

TCompartmentHeadings CompartmentHeadingsFor(const TDrugKey& drug)
{
    return FirstMatch(CompartmentHeadingTable, drug, DefaultCompartmentHeadings);
}

TSetRowTexts NoValueTexts()
{
    TSetRowTexts texts;
    texts.fill(NoValueText);
    return texts;
}

TSetRowTexts SetValueTexts(const TSetValues& values, int k)
{
    TSetRowTexts texts = NoValueTexts();
    texts[0] = ValueText(values[0]);
    for (int set = 0; set <= SetsInUse(k); ++set)
        texts[set + 1] = ValueText(values[set + 1]);
    return texts;
}

TSetRowTexts AucRowTexts(bool available, const TAucValues& values, int k)
{
    TSetRowTexts texts = NoValueTexts();
    if (!available)
        return texts;
    for (int column = 0; column <= SetsInUse(k) + 1; ++column) {
        if (values[column])
            texts[column] = ValueText(*values[column]);
    }
    return texts;
}

vcl::TDateTime PullAucDay(vcl::TDateTime day, const TScheduleDays& days)
{
    if (day < days.FirstDay)
        return days.FirstDay;
    if (day > days.FirstDay + ScheduleReachDays)
        return days.LastDay + 1;
    return day;
}

vcl::TDateTime PullPkPdDay(vcl::TDateTime day, const TScheduleDays& days)
{
    if (day < days.FirstDay)
        return days.FirstDay;
    if (day > days.LastDay)
        return days.LastDay;
    return day;
}

TTimeAboveMic TimeAboveMic(std::span<const double, MinutesPerDay> concentrations, double mic)
{
    const auto minutes = std::count_if(concentrations.begin(), concentrations.end(),
                                       [mic](double c) { return c >= mic; });
    const double n = static_cast<double>(minutes);
    return {vcl::FormatFloat(QStringLiteral("0.0"), n / 60),
            vcl::FormatFloat(QStringLiteral("0.0"), n / MinutesPerDay * 100)};
}

QString VmaxText(double vmaxPerKgHour, double bodyWeight)
{
    return vcl::FormatFloat(QStringLiteral("0.0000"), vmaxPerKgHour * bodyWeight * 24);
}

std::array<QString, 3> SamplingRowTexts(const TSamplingRecord& sampling)
{
    return {vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), sampling.saiketu_time),
            vcl::FormatDateTime(QStringLiteral("hh:nn:ss"), sampling.saiketu_time),
            vcl::FormatFloat(QStringLiteral("0.00"), sampling.saiketu_value)};
}
