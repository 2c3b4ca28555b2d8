#include "PopulationSets.h"

#include <cmath>
#include <iterator>

namespace {

using namespace drugs;

// Which set a choice gets; the first row whose key and source test match.
constexpr TDrugRule<TSetDispatch> SetDispatchRules[] = {
    {Digoxin.Products(1, 3), {SourceAt(0), PopulationSet::DigoxinOral}},                         // digoxin oral
    {Digoxin.Product(4), {SourceAt(0), PopulationSet::DigoxinInjection}},                        // digoxin injection
    {Theophylline.Products(1, 2), {SourceAt(0), PopulationSet::TheophyllineA}},                  // theophylline
    {Theophylline.Product(3), {SourceLabelled("Theophylline-C"), PopulationSet::TheophyllineC}}, // theophylline, zero order
    {Theophylline.Product(4), {SourceLabelled("Theophylline-B"), PopulationSet::TheophyllineB}}, // theophylline, sustained release
    {Aminophylline.Product(1), {SourceAt(0), PopulationSet::Aminophylline}},                     // aminophylline
    {Phenytoin.Products(1, 3), {SourceAt(0), PopulationSet::Phenytoin}},                         // phenytoin, fosphenytoin
    {Phenobarbital.Products(1, 5), {SourceAt(0), PopulationSet::Phenobarbital}},                 // phenobarbital oral, intramuscular
    {Phenobarbital.Product(6), {SourceAt(0), PopulationSet::PhenobarbitalInfusion}},             // phenobarbital intravenous
    {Carbamazepine.Products(1, 2), {SourceAt(0), PopulationSet::Carbamazepine}},                 // carbamazepine
    {ValproicAcid.Product(2), {SourceAt(0), PopulationSet::ValproicAcidProduct2}},               // valproic acid, sustained release
    {ValproicAcid.Products(1, 4), {SourceAt(0), PopulationSet::ValproicAcidOther}},              // valproic acid 1, 3, 4 (2 above)
    {Zonisamide.Products(1, 2), {SourceAt(0), PopulationSet::Zonisamide}},                       // zonisamide
    {Levetiracetam.Product(1), {SourceAt(0), PopulationSet::LevetiracetamA}},                    // levetiracetam, first source
    {Levetiracetam.Product(1), {SourceAt(1), PopulationSet::LevetiracetamB}},                    // levetiracetam, second source
    {Lamotrigine.Product(1), {SourceAt(0), PopulationSet::Lamotrigine}},                         // lamotrigine
    {Arbekacin.Product(1), {SourceLabelled("Arbekacin-A"), PopulationSet::Arbekacin}},           // arbekacin
    {Vancomycin.Product(1).Algo(1), {AnySource, PopulationSet::VancomycinOneCompartment}},       // vancomycin, one compartment
    {Vancomycin.Product(1).Algo(2), {AnySource, PopulationSet::VancomycinTwoCompartment}},       // vancomycin, two compartments
    {Teicoplanin.Product(1), {SourceLabelled("Teicoplanin-A"), PopulationSet::Teicoplanin}},     // teicoplanin
    {Lithium.Product(1), {SourceAt(0), PopulationSet::Lithium}},                                 // lithium carbonate
    {Pilsicainide.Product(1), {SourceAt(0), PopulationSet::Pilsicainide}},                       // pilsicainide
    {Meropenem.Product(1), {SourceAt(0), PopulationSet::Meropenem}},                             // meropenem
    {Methotrexate.Product(1), {SourceAt(0), PopulationSet::MethotrexateA}},                      // methotrexate, first source
    {Methotrexate.Product(1), {SourceAt(1), PopulationSet::MethotrexateB}},                      // methotrexate, second source
};

// ---- Writing a set -----------------------------------------------------------

using TField = double TParamBlock::*;

void Put(TPopulationBlock& b, TField field, double mean, double cv)
{
    b.Mean.*field = mean;
    b.Cv.*field = cv;
}

// The derivations of ke, each from the values just stored.
void KeFromCl(TPopulationBlock& b, TField volume)   // ke := CL / V
{
    b.Mean.ke = RateFromClearance(b.Mean.cl, b.Mean.*volume);
}
void KeCvLogNormal(TPopulationBlock& b)             // CV of ke from CV of CL and Vd
{
    b.Cv.ke = LogNormalRateCv(b.Cv.cl, b.Cv.vd);
}
void KeCvOfCl(TPopulationBlock& b)                  // CV of ke := CV of CL
{
    b.Cv.ke = b.Cv.cl;
}
void KeCvRatio(TPopulationBlock& b)                 // CV of ke := CV of CL / CV of Vd
{
    b.Cv.ke = b.Cv.cl / b.Cv.vd;
}

struct TSetInputs {
    int Product;
    TPatientCovariates Patient;
};

// Vd and CL of the digoxin sets come from the clearance model.
void DigoxinOral(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 0, 20);
    Put(b, &TParamBlock::ka, 1.92, 70);
    Put(b, &TParamBlock::cl, 0, 50);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, in.Product == 1 ? 0.746 : 1.0, 0);
}

void DigoxinInjection(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 0, 20);
    Put(b, &TParamBlock::cl, 0, 50);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvLogNormal(b);
}

void TheophyllineA(TPopulationBlock& b, const TSetInputs& in)
{
    const TClearanceAndCv cl = TheophyllineClearance(in.Patient.Age);
    Put(b, &TParamBlock::vd, 0.45, 20);
    Put(b, &TParamBlock::ka, 0.5, 70);
    Put(b, &TParamBlock::cl, cl.Cl, cl.Cv);
    KeFromCl(b, &TParamBlock::vd);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

void TheophyllineC(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 0.441, 26.9);
    Put(b, &TParamBlock::ka, 0.194, 20);
    Put(b, &TParamBlock::cl, 0.0336, 28.9);
    KeFromCl(b, &TParamBlock::vd);
    KeCvRatio(b);
    Put(b, &TParamBlock::f, 0.908, 16.6);
}

void TheophyllineB(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 0.32, 29);
    Put(b, &TParamBlock::ka, 0.0904, 19);
    Put(b, &TParamBlock::cl, 0.0372, 31);
    KeFromCl(b, &TParamBlock::vd);
    KeCvRatio(b);
    Put(b, &TParamBlock::f, 1.0, 1.0);
}

// The clearance CV is table T's, as for theophylline.
void Aminophylline(TPopulationBlock& b, const TSetInputs& in)
{
    const TClearanceAndCv cl = TheophyllineClearance(in.Patient.Age);
    Put(b, &TParamBlock::vd, 0.45, 20);
    Put(b, &TParamBlock::cl, cl.Cl, cl.Cv);
    KeFromCl(b, &TParamBlock::vd);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

void Phenytoin(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 0.65, 30);
    Put(b, &TParamBlock::ka, 0.55, 52);
    Put(b, &TParamBlock::f, in.Product == 1 ? 0.9 : 1.0, 0);
    Put(b, &TParamBlock::a, PhenytoinKm(in.Patient.Age), 37);
    Put(b, &TParamBlock::b, PhenytoinVmax(in.Patient.Age), 17);
}

// The intramuscular product 5 absorbs faster, most of all in small children.
void Phenobarbital(TPopulationBlock& b, const TSetInputs& in)
{
    const double ka = in.Product == 5 ? (in.Patient.Age < 6 ? 1.32 : 0.84) : 0.28;
    Put(b, &TParamBlock::vd, 0.7, 20);
    Put(b, &TParamBlock::ka, ka, 70);
    Put(b, &TParamBlock::cl, PhenobarbitalClearance(in.Patient.Age), 50);
    KeFromCl(b, &TParamBlock::vd);
    Put(b, &TParamBlock::f, 0.95, 0);
}

void PhenobarbitalInfusion(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 0.7, 20);
    Put(b, &TParamBlock::cl, PhenobarbitalClearance(in.Patient.Age), 50);
    KeFromCl(b, &TParamBlock::vd);
}

// ke comes from the co-medication model.
void Carbamazepine(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 1.61, 35);
    Put(b, &TParamBlock::ka, 1.23, 86);
    Put(b, &TParamBlock::ke, 0, 30);
    Put(b, &TParamBlock::f, 1.0, 0);
}

// ke comes from the co-medication model.
void ValproicAcid(TPopulationBlock& b, double ka, double kaCv)
{
    Put(b, &TParamBlock::vd, 0.254, 31.2);
    Put(b, &TParamBlock::ka, ka, kaCv);
    Put(b, &TParamBlock::ke, 0, 21.8);
    Put(b, &TParamBlock::f, 1.0, 1.0);
}
void ValproicAcidProduct2(TPopulationBlock& b, const TSetInputs&)
{
    ValproicAcid(b, 0.23, 100);
}
void ValproicAcidOther(TPopulationBlock& b, const TSetInputs&)
{
    ValproicAcid(b, 1.92, 120);
}

void Zonisamide(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 1.1, 20);
    Put(b, &TParamBlock::ka, 0.7, 70);
    Put(b, &TParamBlock::cl, 0.0115, 50);
    KeFromCl(b, &TParamBlock::vd);
    Put(b, &TParamBlock::f, 0.95, 0);
}

// CL comes from the enzyme-inducer model.
void LevetiracetamA(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 0.6375 * in.Patient.Weight, 12.2);
    Put(b, &TParamBlock::ka, 2.56, 85.8);
    Put(b, &TParamBlock::cl, 0, 19.9);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

// CL comes from the clearance model.
void LevetiracetamB(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 65.3 * in.Patient.Weight / 70, 20);
    Put(b, &TParamBlock::ka, 2.44, 70);
    Put(b, &TParamBlock::cl, 0, 50);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

void Lamotrigine(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 55.174, 20);
    Put(b, &TParamBlock::ka, 0.38, 70);
    Put(b, &TParamBlock::cl, 2.2246, 50);
    KeFromCl(b, &TParamBlock::vd);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 0.98, 0);
}

// The two-compartment sets whose CL (1000) the clearance model replaces;
// until it runs, ke is 1000 / V1.
struct TTwoCompartmentSet {
    double V1, V1Cv, ClCv, K12, K12Cv, K21, K21Cv;
};
void TwoCompartmentWithCl(TPopulationBlock& b, const TTwoCompartmentSet& set)
{
    Put(b, &TParamBlock::v1, set.V1, set.V1Cv);
    Put(b, &TParamBlock::cl, 1000, set.ClCv);
    KeFromCl(b, &TParamBlock::v1);
    KeCvOfCl(b);
    Put(b, &TParamBlock::f, 1.0, 0);
    Put(b, &TParamBlock::k12, set.K12, set.K12Cv);
    Put(b, &TParamBlock::k21, set.K21, set.K21Cv);
}

void Arbekacin(TPopulationBlock& b, const TSetInputs& in)
{
    const double perKg = in.Patient.Age >= 65 ? 0.17 : 0.143;
    TwoCompartmentWithCl(b, {perKg * in.Patient.Weight, 21.6, 42.8, 0.753, 36.2, 0.75, 20.9});
}

void VancomycinOneCompartment(TPopulationBlock& b, const TSetInputs& in)
{
    Put(b, &TParamBlock::vd, 0.522, 18.8);
    Put(b, &TParamBlock::cl, VancomycinOneCompartmentClearance(in.Patient), 39.6);
    KeFromCl(b, &TParamBlock::vd);
    KeCvOfCl(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

void VancomycinTwoCompartment(TPopulationBlock& b, const TSetInputs& in)
{
    TwoCompartmentWithCl(b, {0.21 * in.Patient.Weight, 20, 33, 1.12, 20, 0.48, 20});
}

void Teicoplanin(TPopulationBlock& b, const TSetInputs& in)
{
    TwoCompartmentWithCl(b, {0.139 * in.Patient.Weight, 20, 50, 0.2436, 20, 0.0509, 20});
}

void Lithium(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 0.79, 20);
    Put(b, &TParamBlock::ka, 1.5, 70);
    Put(b, &TParamBlock::ke, 0.0266, 50);
    Put(b, &TParamBlock::f, 1.0, 0);
}

// CL comes from the clearance model.
void Pilsicainide(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::vd, 1.014, 20);
    Put(b, &TParamBlock::ka, 1.98, 70);
    Put(b, &TParamBlock::cl, 0, 50);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvLogNormal(b);
    Put(b, &TParamBlock::f, 1.0, 0);
}

// CL comes from the clearance model.
void Meropenem(TPopulationBlock& b, const TSetInputs& in)
{
    const double v1 = 0.199 * in.Patient.Weight;
    Put(b, &TParamBlock::v1, v1, 39.8);
    Put(b, &TParamBlock::cl, 0, 41.1);
    Put(b, &TParamBlock::ke, 0, 0);
    KeCvOfCl(b);
    Put(b, &TParamBlock::f, 1.0, 0);
    Put(b, &TParamBlock::k12, v1 != 0 ? 4.02 / v1 : 0, 36.3);
    Put(b, &TParamBlock::k21, 0.88, 31.4);
}

void MethotrexateA(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::v1, 0.379, 23);
    Put(b, &TParamBlock::ke, 0.214, 10.6);
    Put(b, &TParamBlock::f, 1.0, 0);
    Put(b, &TParamBlock::k12, 0.001, 50.6);
    Put(b, &TParamBlock::k21, 0.036, 44.5);
}

void MethotrexateB(TPopulationBlock& b, const TSetInputs&)
{
    Put(b, &TParamBlock::v1, 0.366, 26);
    Put(b, &TParamBlock::ke, 0.265, 13.3);
    Put(b, &TParamBlock::f, 1.0, 0);
    Put(b, &TParamBlock::k12, 0.002, 59.1);
    Put(b, &TParamBlock::k21, 0.04, 45);
}

struct TSetEntry {
    PopulationSet Set;
    const char16_t* Name;
    void (*Write)(TPopulationBlock&, const TSetInputs&);
};

// The means a set writes by a formula of the patient's values, as the
// writers above compute them; the covariate models' formulas are theirs.
struct TMeanFormula {
    PopulationSet Set;
    TField Field;
    const char16_t* Text;
};
constexpr TMeanFormula MeanFormulas[] = {
    {PopulationSet::Phenytoin, &TParamBlock::a, u"15歳未満 1.27 + 0.114 × 年齢、15歳以上 2.98"},
    {PopulationSet::Phenytoin, &TParamBlock::b, u"15歳未満 (11.9 - 0.376 × 年齢) / 24、15歳以上 6.26 / 24"},
    {PopulationSet::LevetiracetamA, &TParamBlock::vd, u"0.6375 × 体重"},
    {PopulationSet::LevetiracetamB, &TParamBlock::vd, u"65.3 × 体重 / 70"},
    {PopulationSet::Arbekacin, &TParamBlock::v1, u"65歳未満 0.143 × 体重、65歳以上 0.17 × 体重"},
    {PopulationSet::VancomycinOneCompartment, &TParamBlock::cl,
     u"1歳以上 0.119 + 0.00508 × (1 - 年齢)、1歳未満 0.119 + 0.0619 × (生後日数 / 365 - 1)"
     u"（生年月日が不明のときは 0.119 + 0.0619 × (年齢 - 1)）"},
    {PopulationSet::VancomycinTwoCompartment, &TParamBlock::v1, u"0.21 × 体重"},
    {PopulationSet::Teicoplanin, &TParamBlock::v1, u"0.139 × 体重"},
    {PopulationSet::Meropenem, &TParamBlock::v1, u"0.199 × 体重"},
    {PopulationSet::Meropenem, &TParamBlock::k12, u"4.02 / V1"},
};

// In the order of PopulationSet.
constexpr TSetEntry Sets[] = {
    {PopulationSet::DigoxinOral, u"digoxin oral", DigoxinOral},
    {PopulationSet::DigoxinInjection, u"digoxin injection", DigoxinInjection},
    {PopulationSet::TheophyllineA, u"Theophylline-A", TheophyllineA},
    {PopulationSet::TheophyllineC, u"Theophylline-C", TheophyllineC},
    {PopulationSet::TheophyllineB, u"Theophylline-B", TheophyllineB},
    {PopulationSet::Aminophylline, u"aminophylline", Aminophylline},
    {PopulationSet::Phenytoin, u"phenytoin", Phenytoin},
    {PopulationSet::Phenobarbital, u"phenobarbital", Phenobarbital},
    {PopulationSet::PhenobarbitalInfusion, u"phenobarbital infusion", PhenobarbitalInfusion},
    {PopulationSet::Carbamazepine, u"carbamazepine", Carbamazepine},
    {PopulationSet::ValproicAcidProduct2, u"valproic acid, product 2", ValproicAcidProduct2},
    {PopulationSet::ValproicAcidOther, u"valproic acid, other products", ValproicAcidOther},
    {PopulationSet::Zonisamide, u"zonisamide", Zonisamide},
    {PopulationSet::LevetiracetamA, u"Levetiracetam-A", LevetiracetamA},
    {PopulationSet::LevetiracetamB, u"Levetiracetam-B", LevetiracetamB},
    {PopulationSet::Lamotrigine, u"lamotrigine", Lamotrigine},
    {PopulationSet::Arbekacin, u"arbekacin", Arbekacin},
    {PopulationSet::VancomycinOneCompartment, u"vancomycin one-compartment", VancomycinOneCompartment},
    {PopulationSet::VancomycinTwoCompartment, u"vancomycin two-compartment", VancomycinTwoCompartment},
    {PopulationSet::Teicoplanin, u"teicoplanin", Teicoplanin},
    {PopulationSet::Lithium, u"lithium carbonate", Lithium},
    {PopulationSet::Pilsicainide, u"pilsicainide", Pilsicainide},
    {PopulationSet::Meropenem, u"meropenem", Meropenem},
    {PopulationSet::MethotrexateA, u"Methotrexate-A", MethotrexateA},
    {PopulationSet::MethotrexateB, u"Methotrexate-B", MethotrexateB},
};

constexpr bool SetsInEnumOrder()
{
    for (std::size_t i = 0; i < std::size(Sets); ++i) {
        if (Sets[i].Set != static_cast<PopulationSet>(i))
            return false;
    }
    return true;
}
static_assert(SetsInEnumOrder(), "one entry per set, in the order of PopulationSet");

const TSetEntry& EntryOf(PopulationSet set)
{
    return Sets[static_cast<std::size_t>(set)];
}

} // namespace

TPatientCovariates CovariatesOf(const TPatientRecord& patient, vcl::TDateTime today)
{
    return {patient.patient_age, patient.patient_weight, patient.patient_birth, today};
}

QString PopulationSetName(PopulationSet set)
{
    return QString::fromUtf16(EntryOf(set).Name);
}

QString PopulationMeanFormula(PopulationSet set, int param)
{
    for (const TMeanFormula& formula : MeanFormulas) {
        if (formula.Set == set && IsParam(formula.Field, param))
            return QString::fromUtf16(formula.Text);
    }
    return {};
}

bool IsParam(double TParamBlock::*field, int index)
{
    TParamBlock block;
    return index >= 0 && index < TParamBlock::Count && &(block.*field) == &block[index];
}

bool TSourceTest::Passes(int sourceIndex, const QString& sourceLabel) const
{
    switch (Test) {
    case AnySource:
        return true;
    case SourceIndex:
        return sourceIndex == Index;
    case SourceLabel:
        return sourceIndex >= 0 && sourceLabel == QString::fromUtf8(Label);
    }
    return false;
}

std::span<const TDrugRule<TSetDispatch>> PopulationSetRules()
{
    return SetDispatchRules;
}

std::optional<std::size_t> PopulationSetRow(const TDrugKey& key, int sourceIndex, const QString& sourceLabel)
{
    return FirstMatchingRowWhere(PopulationSetRules(), key, [&](const TSetDispatch& row) {
        return row.Source.Passes(sourceIndex, sourceLabel);
    });
}

std::optional<PopulationSet> PopulationSetFor(const TDrugKey& key, int sourceIndex, const QString& sourceLabel)
{
    if (const std::optional<std::size_t> row = PopulationSetRow(key, sourceIndex, sourceLabel))
        return SetDispatchRules[*row].Result.Set;
    return std::nullopt;
}

TPopulationBlock PopulationSetValues(PopulationSet set, int product, const TPatientCovariates& patient)
{
    TPopulationBlock block;
    EntryOf(set).Write(block, {product, patient});
    return block;
}

TPopulationBlock SelectPopulationParams(const TDrugKey& key, int sourceIndex, const QString& sourceLabel,
                                        const TPatientCovariates& patient)
{
    if (const std::optional<PopulationSet> set = PopulationSetFor(key, sourceIndex, sourceLabel))
        return PopulationSetValues(*set, key.yakuhin, patient);
    return {};
}

// ---- Formulas ----------------------------------------------------------------

TClearanceAndCv TheophyllineClearance(int age)
{
    if (age < 20)
        return {0.0919, 28.1};
    if (age < 40)
        return {0.0645, 27.2};
    return {0.0448, 23.8};
}

double PhenobarbitalClearance(int age)
{
    // By the first bound the age is below: 2, 3, ... 13 years.
    static constexpr double byAge[] = {0.01855, 0.01431, 0.011395, 0.009646, 0.00848,  0.007685,
                                       0.00689, 0.006625, 0.006254, 0.005724, 0.005565, 0.005406};
    constexpr int firstBound = 2;
    for (int i = 0; i < static_cast<int>(std::size(byAge)); ++i) {
        if (age < firstBound + i)
            return byAge[i];
    }
    return 0.0053;
}

double PhenytoinKm(int age)
{
    return age < 15 ? 1.27 + 0.114 * age : 2.98;
}

double PhenytoinVmax(int age)
{
    return age < 15 ? (11.9 - 0.376 * age) / 24 : 6.26 / 24;
}

double VancomycinOneCompartmentClearance(const TPatientCovariates& patient)
{
    // The infant line holds in the first year only; both lines give 0.119 at
    // the first birthday, so the clearance runs on without a step.
    if (patient.Age > 0)
        return 0.119 + 0.00508 * (1 - patient.Age);
    if (patient.Birth != -10000.0) {
        const double days = patient.Today - patient.Birth;
        return 0.119 + 0.0619 * (days / 365 - 1);
    }
    return 0.119 + 0.0619 * (patient.Age - 1);
}

double RateFromClearance(double cl, double volume)
{
    return volume != 0 ? cl / volume : 0;
}

double LogNormalRateCv(double cvCl, double cvVolume)
{
    const double c = cvCl / 100;
    const double v = cvVolume / 100;
    return 100 * std::sqrt((c * c - v * v) / (v * v + 1));
}
