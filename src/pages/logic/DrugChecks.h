#pragma once
// The checks of the drug page's confirm: the answers a drug's covariate model
// needs, then the prior the estimation will start from. The result is what
// the user is told, in order: questions (OK goes on, Cancel stops) and at
// most one error, which ends the list.
#include "CovariatePanels.h"
#include "DrugKey.h"
#include "DrugSelection.h"
#include "PopulationSets.h"

#include <QString>
#include <span>
#include <vector>

enum class CheckKind {
    Clearance,
    ClearanceWithoutZeroTests,   // arbekacin: a clearance of 0 still has a model value
    HeartFailure,
    Pneumonia,
    CoMedicationC,
    CoMedicationA,
    EnzymeInducer,
};

struct TCheckSteps {
    TSourceTest Source;
    CheckKind First;
    std::optional<CheckKind> Then;
};
std::span<const TDrugRule<TCheckSteps>> DrugCheckRules();

// The control a message is about, to take the focus.
enum class CheckField { None, TypedClearance, SerumCreatinine, Obesity, Choice, ParamTable };

struct TCheckItem {
    enum Kind { Error, Question };
    Kind kind = Error;
    QString Text;
    QString Caption;
    CheckField Focus = CheckField::None;
};

inline const QString DrugCheckCaption = QStringLiteral("薬剤情報設定エラー");
inline const QString UnusablePriorText = QStringLiteral("母集団パラメータが不正です。値を確認して下さい。");

struct TDrugCheckInput {
    TDrugKey Key;                  // `algo` the vancomycin model
    ParamSource Source = ParamSource::Population;
    int SourceIndex = -1;
    int Age = 0;
    double Weight = 0;             // kg
    TCovariateAnswers Answers;
    TPopulationBlock Prior;        // the block as the confirm will store it
};

std::vector<TCheckItem> CheckDrugInfo(const TDrugCheckInput& input);
