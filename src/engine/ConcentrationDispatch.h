#pragma once
// The predicted concentration of the current drug at one time, from the
// population block or the estimate block, over the context's active dose
// events. The drug key picks a simulation set-up, which takes the model's
// parameters from the block and hands them to a simulation wrapper; the
// wrapper turns the dose events up to the time into the model's inputs.
//
// A caller that samples a curve at rising times keeps three state variables
// (second amount, central amount, passed events): it sets passed to 0, calls
// SelectSimulationParams once and passes the same variables to every call,
// so each dose interval is integrated once. Any of the three may be null,
// meaning 0 on input and no output.
#include "EngineContext.h"

// t: whole minutes from 00:00 of the graph's first day. flag: 0 the central
// concentration, 1 the peripheral one (two-compartment models only). Returns
// the concentration in the drug's display unit, or 0.0 for a drug without a
// model.
double ConcentrationAt(const TEngineContext& context, int t, double* second, double* central, int* passed, int flag,
                       const TParamBlock& block);

// Starts a curve state: *central = the initial concentration times the
// volume (of the population block with flag 0, of the estimate block with
// flag 1), times the body weight where the drug's volume is per kilogram, in
// the engine's unit; *second = 0. Nothing for a drug without a model, except
// that vancomycin with an unknown model choice still gets *second = 0.
void SelectSimulationParams(const TEngineContext& context, double* central, double* second, int flag);

// The simulation set-ups.
double SimSetup1CompOralA(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          const TParamBlock& block);
double SimSetup1CompOralB(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          const TParamBlock& block);
// Lithium: the result in mEq/L.
double SimSetup1CompOralC(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          const TParamBlock& block);
double SimSetup1CompInfusionA(const TEngineContext& context, int t, double* second, double* central, int* passed,
                              const TParamBlock& block);
double SimSetup1CompInfusionB(const TEngineContext& context, int t, double* second, double* central, int* passed,
                              const TParamBlock& block);
double SimSetup2CompInfusion(const TEngineContext& context, int t, double* second, double* central, int* passed,
                             int flag, const TParamBlock& block);
// Methotrexate: the result in μM, the unit of its axis, thresholds and samplings.
double SimSetup2CompInfusionB(const TEngineContext& context, int t, double* second, double* central, int* passed,
                              int flag, const TParamBlock& block);
double SimSetupMMOral(const TEngineContext& context, int t, double* second, double* central, int* passed,
                      const TParamBlock& block);
double SimSetupMMInfusion(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          const TParamBlock& block);

// The simulation wrappers; results in the engine's unit.
double Simulate1CompOral(const TEngineContext& context, int t, double* second, double* central, int* passed,
                         double v, double ka, double ke, double f);
// The second amount is neither read nor written.
double Simulate1CompInfusion(const TEngineContext& context, int t, double* second, double* central, int* passed,
                             double v, double k);
double Simulate2CompInfusion(const TEngineContext& context, int t, double* second, double* central, int* passed,
                             int flag, double v1, double cl, double k12, double k21);
double Simulate2CompInfusionB(const TEngineContext& context, int t, double* second, double* central, int* passed,
                              int flag, double v1, double ke, double k12, double k21);
double SimulateMMOral(const TEngineContext& context, int t, double* second, double* central, int* passed, double v,
                      double ka, double km, double vmax, double f);
double SimulateMMInfusion(const TEngineContext& context, int t, double* second, double* central, int* passed,
                          double v, double km, double vmax);
