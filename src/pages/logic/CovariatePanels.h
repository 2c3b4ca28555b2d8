#pragma once
// The accompanying information a population set needs ("付随情報"): which
// questions the drug page asks for a drug, the answers as one struct, and
// where the analysis record keeps them. One schema per panel kind serves both
// directions, storing the answers on confirm and restoring them when the page
// is shown again. Also the creatinine clearance by Cockcroft-Gault and the
// reference line beside it.
#include "DrugKey.h"
#include "PopulationSets.h"
#include "Ustruct.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <span>

enum class CovariatePanel {
    Clearance,               // creatinine clearance
    ClearanceHeartFailure,   // clearance and congestive heart failure
    ClearancePneumonia,      // clearance and pneumonia
    Symptoms,                // asthma symptoms
    CoMedicationC,           // phenobarbital/phenytoin co-medication (`gbPage2ParaC`)
    CoMedicationA,           // the same question in `gbPage2ParaA`
    EnzymeInducer,           // co-medication with an enzyme inducer (`gbPage2ParaA`)
};

// The group a panel's own question is asked in.
enum class ChoiceGroup { None, Page1ParaB, Page1ParaC, Page2ParaA, Page2ParaC, Page2ParaD };

// How the record keeps the answer to a panel's question.
enum class ChoiceKept {
    // The `Tested` radio stores `TestedValue`, any other answer (the other
    // radio, or none) the other of 0 and 1; restoring selects the tested
    // radio for TestedValue and the other radio for anything else.
    TestedRadio,
    // Restored only: the value 0, 1, 2 ... selects that radio, any other the
    // last; the confirm stores nothing.
    RestoredByIndex,
};
struct TChoiceField {
    int Table = 0;           // kaiseki_tableN; 0: a panel without a question
    ChoiceKept Kept = ChoiceKept::TestedRadio;
    int Tested = 0;
    int TestedValue = 0;
};

struct TPanelSchema {
    int Page;                    // 1 or 2
    bool Clearance;              // the clearance block of page 1
    ChoiceGroup Group;
    const char16_t* Caption;     // of the question's group
    std::span<const char16_t* const> Radios;
    TChoiceField Field;
    int DefaultChoice;           // -1: neither radio selected
};
const TPanelSchema& PanelSchemaOf(CovariatePanel panel);

// The panel for a key (its `algo` being the vancomycin model) and the
// position of the chosen source; nothing when the drug asks nothing.
struct TPanelChoice {
    TSourceTest Source;
    CovariatePanel Panel;
    bool LagTime = false;    // valproic acid's sustained-release product also asks the lag time
};
std::optional<TPanelChoice> CovariatePanelFor(const TDrugKey& key, int sourceIndex);
std::span<const TDrugRule<TPanelChoice>> CovariatePanelRules();
// Digoxin injection applies its covariate model as soon as its panel is set up.
bool AppliesModelWithPanel(const TDrugKey& key);

// ---- The answers -------------------------------------------------------------

enum class ClearanceEntry { Typed, Computed };   // "直接入力" / "血清クレアチニン値より算出"

struct TClearanceAnswers {
    ClearanceEntry Entry = ClearanceEntry::Computed;
    double Typed = 0;            // `StringGridEx6`, mL/min
    double SerumCreatinine = 0;  // `StringGridEx7`, mg/dL
    int Obesity = -1;            // -1 neither, 0 "なし" (`RadioButton19`), 1 "あり" (`RadioButton20`)
    double InUse = 0;            // `StringGridEx13`, mL/min
    friend bool operator==(const TClearanceAnswers&, const TClearanceAnswers&) = default;
};

struct TCovariateAnswers {
    TClearanceAnswers Clearance;
    int Choice = -1;             // the panel's question: radio index, -1 neither
    double LagTime = 0;          // hours, `StringGridEx24`
    friend bool operator==(const TCovariateAnswers&, const TCovariateAnswers&) = default;
};

inline constexpr double DefaultLagTime = 2.0;

// The answers of a new analysis.
TCovariateAnswers DefaultAnswers(const TPanelChoice& panel);
// The answers an analysis record keeps.
TCovariateAnswers AnswersFromRecord(const TPanelChoice& panel, const TAnalysisRecord& record);
// Writes the answers into the record's fields of the panel.
void StoreAnswers(const TPanelChoice& panel, const TCovariateAnswers& answers, TAnalysisRecord& record);
// The record holds the answers to this very panel: an analysis is current
// and its key, source and (for vancomycin) model are the page's. Any other
// record's fields mean something else, and the panel starts from its defaults.
bool RecordHoldsAnswersFor(const TAnalysisRecord& record, const TDrugKey& key, int syuttenId);

// ---- Creatinine clearance ------------------------------------------------------

struct TClearancePatient {
    int Age = 0;
    double Weight = 0;       // kg
    double Height = 0;       // cm
    int Gender = 0;          // 0 male, 1 female
};
TClearancePatient ClearancePatientOf(const TPatientRecord& patient);

// Ideal body weight (kg): 0.89 x (height - 152.4) + 50 for men, + 45.4 for women.
double IdealBodyWeight(const TClearancePatient& patient);
// Creatinine clearance (mL/min) by Cockcroft-Gault. Formula 0 is the only
// one; weight mode 0 the body weight, 1 the ideal weight. 0 for any other
// formula or mode and for a serum creatinine of 0.
double CockcroftGaultClcr(int formula, int weightMode, double serumCreatinine, const TClearancePatient& patient);

// The reference beside the clearance: the BMI, and from 40 years the average
// clearance for the age.
struct TClcrReference {
    QString Bmi;             // "%s(kg/㎡)"; empty without a height
    bool ShowsAverage = false;
    QString AverageFor;      // "%d歳の平均的な推定クリアチニンクリアランス値は"
    QString Average;         // "%dmL/min"
};
TClcrReference ClcrReference(const TClearancePatient& patient);
