#pragma once
// One curve's model as the simulation wrappers hand it to SimulateCurve: the
// model, its parameters (volume per kilogram first), the body weight, F, the
// compartment asked for and the unit the result is shown in. The single-time
// prediction and the batched curves both build it here, so they feed the
// integration the very same numbers.
#include "ConcentrationUnits.h"
#include "EngineContext.h"

#include <optional>
#include <vector>

enum class CurveModelKind { OneCompOral, OneCompInfusion, TwoCompInfusion, MMOral, MMInfusion };

struct TCurveModel {
    CurveModelKind Kind = CurveModelKind::OneCompOral;
    double Theta[4] = {};          // in the order of the model's SimulateCurve arguments
    double BodyWeight = 0;
    double Bioavail = 1.0;         // oral models only
    int Peripheral = 0;            // two-compartment model: non-zero for the peripheral concentration
    ConcentrationUnit Unit = ConcentrationUnit::Engine;
};

bool IsOral(CurveModelKind kind);

// The model the drug key's simulation set-up builds from block; nothing for a
// key without a model.
std::optional<TCurveModel> CurveModelOf(const TEngineContext& context, int flag, const TParamBlock& block);

// Fills buffers with the inputs and bounds of the dose events from index
// `from` up to minute t, as SimulateCurve takes them: per event its amount
// (oral) or infusion rate per hour, and its time in hours; the last bound is
// t. Returns the number of intervals. The buffers grow only when a call needs
// more room than any before it.
int FillCurveIntervals(const std::vector<TDoseEvent>& events, int from, int t, bool oral,
                       TSimulationBuffers& buffers);

// The concentration at minute t in the engine's unit by the model class's
// SimulateCurve, resuming from and updating the three state variables (each
// may be null).
double SimulateCurveModel(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          const TCurveModel& model);
