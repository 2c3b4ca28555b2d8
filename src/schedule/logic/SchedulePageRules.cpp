#include "SchedulePageRules.h"

namespace {

using namespace drugs;

constexpr TMoietyLabels Moiety(double max, const char16_t* name)
{
    TMoietyLabels labels;
    labels.MoietyMax = max;
    labels.MoietyName = name;
    return labels;
}

constexpr TSchedulePageUnits Units(const char16_t* samplingUnit, const char16_t* doseFormat,
                                   const char16_t* listAmountFormat, const char16_t* listHoursFormat,
                                   const char16_t* infusionFormat, std::optional<TMoietyLabels> moiety)
{
    TSchedulePageUnits units;
    units.SamplingUnit = samplingUnit;
    units.DoseFormat = doseFormat;
    units.ListAmountFormat = listAmountFormat;
    units.ListHoursFormat = listHoursFormat;
    units.InfusionFormat = infusionFormat;
    units.Moiety = moiety;
    return units;
}

constexpr TMoietyLabels ValproateLabels()
{
    TMoietyLabels labels = Moiety(4338.7, u"バルプロ酸量");
    labels.FormulationChoice = u"バルプロ酸Na量";
    labels.FormulationLabel = u"成分量";
    labels.Note = u"※表示している投与量はバルプロ酸Na量です。";
    return labels;
}

// Tested in this order; the first match wins. The six salt cases are those of
// the salt factor table.
constexpr TDrugRule<TSchedulePageUnits> UnitTable[] = {
    {Digoxin.Products(1, 4), Units(u"ng/mL", u"0.000", u"0.000", u"0.0", u"0.0", std::nullopt)},    // digoxin
    {Lithium, Units(u"mEq/L", u"0", u"0", u"0.00", u"0.0", Moiety(939.2, u"リチウム量"))},        // lithium carbonate
    {Phenytoin.Product(2), Units(u"μg/mL", u"0", u"0", u"0.00", u"0.00", Moiety(4599.3, u"フェニトイン量"))},  // phenytoin injection
    {Phenytoin.Product(3), Units(u"μg/mL", u"0", u"0", u"0.00", u"0.00", Moiety(3104.9, u"フェニトイン量"))},  // fosphenytoin
    {ValproicAcid, Units(u"μg/mL", u"0", u"0", u"0.00", u"0.0", ValproateLabels())},              // valproic acid
    {Vancomycin, Units(u"μg/mL", u"0", u"0", u"0.00", u"0.0", Moiety(4877.5, u"バンコマイシン量"))},  // vancomycin
    {Pilsicainide, Units(u"μg/mL", u"0", u"0", u"0.00", u"0.0", Moiety(4284.8, u"ピルシカイニド量"))},  // pilsicainide
    {Methotrexate, Units(u"μM", u"0", u"0", u"0.0", u"0.0", std::nullopt)},                        // methotrexate
};

constexpr TDrugRule<TPageItem> InitialValueTable[] = {
    {Arbekacin.Product(1), TPageItem::Hidden},           // arbekacin, two compartments
    {Vancomycin.Product(1).Algo(2), TPageItem::Hidden},  // vancomycin, the two-compartment model
    {Teicoplanin.Product(1), TPageItem::Hidden},         // teicoplanin
    {Meropenem.Product(1), TPageItem::Hidden},           // meropenem
    {Methotrexate, TPageItem::Hidden},                   // methotrexate, every product
};

constexpr TDrugRule<TPageItem> ProductAmountNoteTable[] = {
    {Theophylline, TPageItem::Shown},    // theophylline
    {Aminophylline, TPageItem::Shown},   // aminophylline
};

constexpr TDrugRule<TDosePeriod> LoadedCasePeriodTable[] = {
    {Methotrexate, TDosePeriod::StartOnly},   // methotrexate: single administrations
};

} // namespace

TSchedulePageUnits SchedulePageUnitsFor(const TDrugKey& drug)
{
    return FirstMatch(UnitTable, drug, TSchedulePageUnits{});
}

std::span<const TDrugRule<TSchedulePageUnits>> SchedulePageUnitRules()
{
    return UnitTable;
}

TPageItem InitialValueButtonFor(const TDrugKey& drug)
{
    return FirstMatch(InitialValueTable, drug, TPageItem::Shown);
}

std::span<const TDrugRule<TPageItem>> InitialValueButtonRules()
{
    return InitialValueTable;
}

TPageItem ProductAmountNoteFor(const TDrugKey& drug)
{
    return FirstMatch(ProductAmountNoteTable, drug, TPageItem::Hidden);
}

TDosePeriod LoadedCasePeriodFor(const TDrugKey& drug)
{
    return FirstMatch(LoadedCasePeriodTable, drug, TDosePeriod::Open);
}
