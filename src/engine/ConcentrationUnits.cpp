#include "ConcentrationUnits.h"

namespace {
constexpr double LithiumEngineFactor = 6.94;
constexpr double LithiumDisplayFactor = 0.1440922190201729;
constexpr double MethotrexateMolarMass = 454.44;
constexpr double MicromolarPerMilli = 0.001;
} // namespace

double ToEngineConcentration(double value, ConcentrationUnit unit)
{
    switch (unit) {
    case ConcentrationUnit::LithiumMEqPerL:
        return value * LithiumEngineFactor;
    case ConcentrationUnit::MethotrexateMicromolar:
        return value * MethotrexateMolarMass * MicromolarPerMilli;
    case ConcentrationUnit::Engine:
        break;
    }
    return value;
}

double ToDisplayConcentration(double value, ConcentrationUnit unit)
{
    switch (unit) {
    case ConcentrationUnit::LithiumMEqPerL:
        return value * LithiumDisplayFactor;
    case ConcentrationUnit::MethotrexateMicromolar:
        return value / (MethotrexateMolarMass * MicromolarPerMilli);
    case ConcentrationUnit::Engine:
        break;
    }
    return value;
}
