#pragma once
// Two drugs are measured and shown in a unit other than the engine's mass per
// volume: lithium in mEq/L and methotrexate in μM. Values entering the engine
// (samplings, initial concentrations) and values leaving it (curves) pass
// through these, so a number means the same to the fit and to the curve.

enum class ConcentrationUnit {
    Engine,                   // as entered and as shown
    LithiumMEqPerL,
    MethotrexateMicromolar,
};

// x 6.94 for lithium, x 454.44 x 0.001 for methotrexate.
double ToEngineConcentration(double value, ConcentrationUnit unit);
// x 0.1440922190201729 for lithium, / (454.44 x 0.001) for methotrexate.
double ToDisplayConcentration(double value, ConcentrationUnit unit);
