#include "CovariatePanels.h"

#include "CaseRecords.h"
#include "DrugSelection.h"
#include "NumberFormat.h"

namespace {

using namespace drugs;

// The questions a drug asks, first match; a key without a row asks nothing.
constexpr TDrugRule<TPanelChoice> PanelRules[] = {
    {Digoxin.Products(1, 4), {AnySource, CovariatePanel::ClearanceHeartFailure}},      // digoxin
    {Theophylline.Product(4), {AnySource, CovariatePanel::Symptoms}},                  // theophylline, sustained release
    {Carbamazepine.Products(1, 2), {AnySource, CovariatePanel::CoMedicationC}},        // carbamazepine
    {ValproicAcid.Product(2), {AnySource, CovariatePanel::CoMedicationA, true}},       // valproic acid, sustained release
    {ValproicAcid.Products(1, 4), {AnySource, CovariatePanel::CoMedicationA}},         // valproic acid 1, 3, 4 (2 above)
    {Levetiracetam.Product(1), {SourceAt(0), CovariatePanel::EnzymeInducer}},          // levetiracetam, first source
    {Levetiracetam.Product(1), {SourceAt(1), CovariatePanel::Clearance}},              // levetiracetam, second source
    {Arbekacin.Product(1), {AnySource, CovariatePanel::ClearancePneumonia}},           // arbekacin
    {Vancomycin.Product(1).Algo(2), {AnySource, CovariatePanel::Clearance}},           // vancomycin, two compartments
    {Teicoplanin.Product(1), {AnySource, CovariatePanel::Clearance}},                  // teicoplanin
    {Pilsicainide.Product(1), {AnySource, CovariatePanel::Clearance}},                 // pilsicainide
    {Meropenem.Product(1), {AnySource, CovariatePanel::Clearance}},                    // meropenem
};

constexpr TDrugRule<bool> ModelWithPanelRules[] = {
    {Digoxin.Product(4), true},         // digoxin injection
};

constexpr const char16_t* NoneOrPresent[] = {u"なし", u"あり"};
constexpr const char16_t* Pneumonia[] = {u"肺炎なし", u"肺炎あり"};
constexpr const char16_t* Symptoms[] = {u"不明", u"喘息軽～中程度", u"喘息重度", u"慢性閉塞性気管支炎"};
constexpr const char16_t* CoMedication[] = {u"併用なし", u"併用あり"};
constexpr const char16_t CoMedicationCaption[] = u"フェノバルビタール/フェニトイン併用";

// In the order of CovariatePanel.
const TPanelSchema Schemas[] = {
    {1, true, ChoiceGroup::None, nullptr, {}, {}, -1},
    {1, true, ChoiceGroup::Page1ParaB, u"うっ血性心不全", NoneOrPresent, {2, ChoiceKept::TestedRadio, 1, 1}, -1},
    {1, true, ChoiceGroup::Page1ParaC, u"肺炎", Pneumonia, {2, ChoiceKept::TestedRadio, 0, 0}, -1},
    {2, false, ChoiceGroup::Page2ParaD, u"症状", Symptoms, {1, ChoiceKept::RestoredByIndex, 0, 0}, 0},
    {2, false, ChoiceGroup::Page2ParaC, CoMedicationCaption, CoMedication, {1, ChoiceKept::TestedRadio, 0, 0}, -1},
    {2, false, ChoiceGroup::Page2ParaA, CoMedicationCaption, CoMedication, {1, ChoiceKept::TestedRadio, 0, 0}, -1},
    {2, false, ChoiceGroup::Page2ParaA, u"酵素誘導剤併用", CoMedication, {1, ChoiceKept::TestedRadio, 0, 0}, -1},
};

int RestoredChoice(const TChoiceField& field, int radioCount, double value)
{
    switch (field.Kept) {
    case ChoiceKept::TestedRadio:
        return value == field.TestedValue ? field.Tested : 1 - field.Tested;
    case ChoiceKept::RestoredByIndex:
        for (int radio = 0; radio < radioCount - 1; ++radio) {
            if (value == radio)
                return radio;
        }
        return radioCount - 1;
    }
    return -1;
}

} // namespace

const TPanelSchema& PanelSchemaOf(CovariatePanel panel)
{
    return Schemas[static_cast<std::size_t>(panel)];
}

std::optional<TPanelChoice> CovariatePanelFor(const TDrugKey& key, int sourceIndex)
{
    return FindFirstMatchWhere(CovariatePanelRules(), key, [&](const TPanelChoice& row) {
        return row.Source.Passes(sourceIndex, QString());
    });
}

std::span<const TDrugRule<TPanelChoice>> CovariatePanelRules()
{
    return PanelRules;
}

bool AppliesModelWithPanel(const TDrugKey& key)
{
    return FirstMatch(ModelWithPanelRules, key, false);
}

TCovariateAnswers DefaultAnswers(const TPanelChoice& panel)
{
    TCovariateAnswers answers;
    answers.Choice = PanelSchemaOf(panel.Panel).DefaultChoice;
    if (panel.LagTime)
        answers.LagTime = DefaultLagTime;
    return answers;
}

TCovariateAnswers AnswersFromRecord(const TPanelChoice& panel, const TAnalysisRecord& record)
{
    const TPanelSchema& schema = PanelSchemaOf(panel.Panel);
    TCovariateAnswers answers = DefaultAnswers(panel);
    if (schema.Clearance) {
        TClearanceAnswers& c = answers.Clearance;
        c.Typed = record.kaiseki_table4;
        c.InUse = record.kaiseki_table4;
        c.Entry = record.kaiseki_table5 == 1 ? ClearanceEntry::Typed : ClearanceEntry::Computed;
        c.SerumCreatinine = record.kaiseki_table1;
        c.Obesity = record.kaiseki_table3 == 1 ? 1 : 0;
    }
    if (schema.Field.Table != 0)
        answers.Choice = RestoredChoice(schema.Field, static_cast<int>(schema.Radios.size()),
                                        record.KaisekiTable(schema.Field.Table));
    if (panel.LagTime)
        answers.LagTime = record.kaiseki_table10;
    return answers;
}

void StoreAnswers(const TPanelChoice& panel, const TCovariateAnswers& answers, TAnalysisRecord& record)
{
    const TPanelSchema& schema = PanelSchemaOf(panel.Panel);
    if (schema.Clearance) {
        const TClearanceAnswers& c = answers.Clearance;
        record.kaiseki_table1 = c.SerumCreatinine;
        record.kaiseki_table3 = c.Obesity == 1 ? 1 : 0;
        const bool typed = c.Entry == ClearanceEntry::Typed;
        record.kaiseki_table5 = typed ? 1 : 0;
        record.kaiseki_table4 = typed ? c.Typed : c.InUse;
    }
    const TChoiceField& field = schema.Field;
    if (field.Table != 0 && field.Kept == ChoiceKept::TestedRadio)
        record.KaisekiTable(field.Table) = answers.Choice == field.Tested ? field.TestedValue : 1 - field.TestedValue;
    if (panel.LagTime)
        record.kaiseki_table10 = answers.LagTime;
}

bool RecordHoldsAnswersFor(const TAnalysisRecord& record, const TDrugKey& key, int syuttenId)
{
    if (!IsAnalysisCurrent(record) || record.syutten_id != syuttenId)
        return false;
    const TDrugKey stored = DrugKeyOf(record);
    return stored.kubun == key.kubun && stored.yakuzai == key.yakuzai && stored.yakuhin == key.yakuhin
           && (!HasModelChoice(key) || stored.algo == key.algo);
}

// ---- Creatinine clearance --------------------------------------------------------

TClearancePatient ClearancePatientOf(const TPatientRecord& patient)
{
    return {patient.patient_age, patient.patient_weight, patient.patient_height, patient.patient_gender};
}

double IdealBodyWeight(const TClearancePatient& patient)
{
    return 0.89 * (patient.Height - 152.4) + (patient.Gender == 1 ? 45.4 : 50);
}

double CockcroftGaultClcr(int formula, int weightMode, double serumCreatinine, const TClearancePatient& patient)
{
    if (formula != 0)
        return 0;
    double weight = 0;
    if (weightMode == 0)
        weight = patient.Weight;
    else if (weightMode == 1)
        weight = IdealBodyWeight(patient);
    else
        return 0;
    if (serumCreatinine == 0)
        return 0;
    const double clcr = (140 - patient.Age) * weight / (72 * serumCreatinine);
    return patient.Gender == 1 ? clcr * 0.85 : clcr;
}

TClcrReference ClcrReference(const TClearancePatient& patient)
{
    TClcrReference reference;
    if (patient.Height > 0) {
        const double metres = patient.Height / 100;
        reference.Bmi = vcl::FormatFloat(QStringLiteral("0.0"), patient.Weight / (metres * metres))
                        + QStringLiteral("(kg/㎡)");
    }
    reference.ShowsAverage = patient.Age >= 40;
    if (reference.ShowsAverage) {
        reference.AverageFor = QStringLiteral("%1歳の平均的な推定クリアチニンクリアランス値は").arg(patient.Age);
        reference.Average = QStringLiteral("%1mL/min").arg(100 - (patient.Age - 25));
    }
    return reference;
}
