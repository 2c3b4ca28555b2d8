#pragma once
// The built-in population parameter sets: the prior means and their
// between-subject variability (CV %) of every supported product, chosen by
// the drug key and the source (or, for vancomycin, the model) the drug page
// shows. Values the patient's covariates decide later (clearance, ke) are
// written as placeholders here and replaced by the covariate models.
#include "DateTime.h"
#include "DrugKey.h"
#include "Ustruct.h"

#include <QString>
#include <optional>
#include <span>

// The population block of an analysis: means (`bosyudan_*`) and CV %
// (`bosyudan_*_vari`).
struct TPopulationBlock {
    TParamBlock Mean;
    TParamBlock Cv;
};

// What the sets read of the patient.
struct TPatientCovariates {
    int Age = 0;                       // whole years
    double Weight = 0;                 // kg
    vcl::TDateTime Birth = -10000.0;   // whole day; -10000.0 when only the age is known
    vcl::TDateTime Today = 0;          // today at 00:00
};
TPatientCovariates CovariatesOf(const TPatientRecord& patient, vcl::TDateTime today);

enum class PopulationSet {
    DigoxinOral,
    DigoxinInjection,
    TheophyllineA,
    TheophyllineC,
    TheophyllineB,
    Aminophylline,
    Phenytoin,
    Phenobarbital,
    PhenobarbitalInfusion,
    Carbamazepine,
    ValproicAcidProduct2,
    ValproicAcidOther,
    Zonisamide,
    LevetiracetamA,
    LevetiracetamB,
    Lamotrigine,
    Arbekacin,
    VancomycinOneCompartment,
    VancomycinTwoCompartment,
    Teicoplanin,
    Lithium,
    Pilsicainide,
    Meropenem,
    MethotrexateA,
    MethotrexateB,
};
QString PopulationSetName(PopulationSet set);

// The further condition of a dispatch row: the position of the chosen
// source, its label, or none (the vancomycin rows name the model instead).
struct TSourceTest {
    enum Kind { AnySource, SourceIndex, SourceLabel };
    Kind Test = AnySource;
    int Index = 0;
    const char* Label = nullptr;

    bool Passes(int sourceIndex, const QString& sourceLabel) const;
};

constexpr TSourceTest SourceAt(int index)
{
    return {TSourceTest::SourceIndex, index, nullptr};
}
constexpr TSourceTest SourceLabelled(const char* label)
{
    return {TSourceTest::SourceLabel, 0, label};
}
inline constexpr TSourceTest AnySource{};

struct TSetDispatch {
    TSourceTest Source;
    PopulationSet Set;
};

// The dispatch table, for checks over every row.
std::span<const TDrugRule<TSetDispatch>> PopulationSetRules();
// The row that picks the set for a key (its `algo` being the vancomycin
// model) and the chosen source; nothing when no row matches.
std::optional<std::size_t> PopulationSetRow(const TDrugKey& key, int sourceIndex, const QString& sourceLabel);
std::optional<PopulationSet> PopulationSetFor(const TDrugKey& key, int sourceIndex, const QString& sourceLabel);

// The formula by which a set's mean of parameter `param` (TParamBlock's
// index) follows the patient, in Japanese; empty where the set fixes the mean
// or only steps it by age (the help reads such a table off the set itself).
QString PopulationMeanFormula(PopulationSet set, int param);

// Whether `field` is the parameter at `index` of TParamBlock's order.
bool IsParam(double TParamBlock::*field, int index);

// The set's values for a product and a patient, over a zero block.
TPopulationBlock PopulationSetValues(PopulationSet set, int product, const TPatientCovariates& patient);
// The block a choice gets: the zero block, filled by the set the dispatch
// picks (left zero when it picks none).
TPopulationBlock SelectPopulationParams(const TDrugKey& key, int sourceIndex, const QString& sourceLabel,
                                        const TPatientCovariates& patient);

// ---- Formulas of the sets ----------------------------------------------------

struct TClearanceAndCv {
    double Cl;   // L/kg/hr
    double Cv;   // %
};
// Theophylline and aminophylline clearance by age.
TClearanceAndCv TheophyllineClearance(int age);
// Phenobarbital clearance by age (L/kg/hr).
double PhenobarbitalClearance(int age);
// Phenytoin Michaelis-Menten constants by age: Km (mg/L), Vmax (mg/kg/hr).
double PhenytoinKm(int age);
double PhenytoinVmax(int age);
// Vancomycin one-compartment clearance (L/kg/hr): in the first year of life
// by days since birth when the birth date is known, else by age.
double VancomycinOneCompartmentClearance(const TPatientCovariates& patient);

// ke from a clearance and its volume (0 when the volume is 0).
double RateFromClearance(double cl, double volume);
// CV % of ke = CL / V by the log-normal conversion of the two CV %.
double LogNormalRateCv(double cvCl, double cvVolume);
