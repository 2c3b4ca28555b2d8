#pragma once
// The covariate models: for the drugs whose population set depends on the
// patient, the means that follow from the answers of the accompanying
// information (creatinine clearance, heart failure, co-medication, ...).
// A model overwrites only the fields it names, from the answers and from
// fields it does not write, so applying it twice gives what once gives.
#include "DrugKey.h"
#include "PopulationSets.h"

#include <optional>
#include <span>

enum class CovariateModel {
    Digoxin,
    TheophyllineSymptoms,
    Carbamazepine,
    ValproicAcid,
    LevetiracetamEnzymeInducer,
    LevetiracetamClearance,
    Arbekacin,
    VancomycinTwoCompartment,
    Teicoplanin,
    Pilsicainide,
    Meropenem,
};

struct TModelChoice {
    TSourceTest Source;
    CovariateModel Model;
};
std::span<const TDrugRule<TModelChoice>> CovariateModelRules();
// The model of a key (its `algo` being the vancomycin model) and the chosen
// source; nothing for a drug whose set stays as it is.
std::optional<CovariateModel> CovariateModelFor(const TDrugKey& key, int sourceIndex, const QString& sourceLabel);
// The models that take the creatinine clearance.
bool UsesClearance(CovariateModel model);

struct TCovariateInputs {
    int Choice = -1;       // the panel's question: radio index, -1 neither
    double Clcr = 0;       // mL/min, as the clearance cell holds it
    double Weight = 0;     // kg
    int Age = 0;           // whole years
};

void ApplyCovariateModel(CovariateModel model, const TCovariateInputs& inputs, TPopulationBlock& block);

// The formula by which a model sets the mean of parameter `param`
// (TParamBlock's index), in Japanese; empty for a mean the model leaves.
QString CovariateMeanFormula(CovariateModel model, int param);
