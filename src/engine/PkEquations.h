#pragma once
// The right-hand sides of the five models. Each set names its parameter count,
// its states (index 0 always the central amount), how a dose enters, and the
// per-parameter-set constants its slope needs. Products keep the grouping of
// the written equations so that every slope is evaluated in the same order.
// A slope takes one value per state (T = double) or several curves' values
// side by side (T a vector of doubles, element by element the same
// operations in the same order).

namespace pk {

enum class DoseRoute {
    Oral,    // each input is an amount added at once to the absorption site
    Infusion // each input is the infusion rate until the next event
};

// One compartment, first-order absorption, first-order elimination.
// theta: V per kg, ka, ke. States: X (central), Ag (absorption site).
struct OneCompOral {
    static constexpr int kParams = 3;
    static constexpr int kStates = 2;
    static constexpr DoseRoute kRoute = DoseRoute::Oral;
    // V enters only the final division by V x BW, never the amounts.
    static constexpr bool kVolumeOnlyScalesConcentration = true;

    struct Rates {
        double ka, fka, ke;
    };
    static Rates Prepare(const double* theta, double /*bodyWeight*/, double bioavail)
    {
        return {theta[1], bioavail * theta[1], theta[2]};
    }
    template <class T>
    static void Slope(const Rates& r, T /*rate*/, const T* y, T* dy)
    {
        dy[0] = r.fka * y[1] - r.ke * y[0];
        dy[1] = -(r.ka * y[1]);
    }
};

// One compartment, zero-order infusion, first-order elimination.
// theta: V per kg, k. State: X.
struct OneCompInfusion {
    static constexpr int kParams = 2;
    static constexpr int kStates = 1;
    static constexpr DoseRoute kRoute = DoseRoute::Infusion;
    static constexpr bool kVolumeOnlyScalesConcentration = true;

    struct Rates {
        double k;
    };
    static Rates Prepare(const double* theta, double /*bodyWeight*/, double /*bioavail*/) { return {theta[1]}; }
    template <class T>
    static void Slope(const Rates& r, T rate, const T* y, T* dy)
    {
        dy[0] = rate - r.k * y[0];
    }
};

// Two compartments, infusion into and elimination from the central one.
// theta: V1 per kg, k10, k12, k21. States: X1 (central), X2 (peripheral).
struct TwoCompInfusion {
    static constexpr int kParams = 4;
    static constexpr int kStates = 2;
    static constexpr DoseRoute kRoute = DoseRoute::Infusion;
    static constexpr bool kVolumeOnlyScalesConcentration = true;

    struct Rates {
        double k12k10, k12, k21;
    };
    static Rates Prepare(const double* theta, double /*bodyWeight*/, double /*bioavail*/)
    {
        return {theta[2] + theta[1], theta[2], theta[3]};
    }
    template <class T>
    static void Slope(const Rates& r, T rate, const T* y, T* dy)
    {
        dy[0] = rate - r.k12k10 * y[0] + r.k21 * y[1];
        dy[1] = r.k12 * y[0] - r.k21 * y[1];
    }
};

// One compartment, first-order absorption, Michaelis-Menten elimination.
// theta: V per kg, ka, Km, Vmax per kg per hour. States: X, Ag.
struct MMOral {
    static constexpr int kParams = 4;
    static constexpr int kStates = 2;
    static constexpr DoseRoute kRoute = DoseRoute::Oral;
    // Km x V x BW puts V into the elimination itself.
    static constexpr bool kVolumeOnlyScalesConcentration = false;

    struct Rates {
        double ka, fka, vmaxBw, kmVBw;
    };
    static Rates Prepare(const double* theta, double bodyWeight, double bioavail)
    {
        return {theta[1], bioavail * theta[1], theta[3] * bodyWeight, theta[2] * theta[0] * bodyWeight};
    }
    template <class T>
    static void Slope(const Rates& r, T /*rate*/, const T* y, T* dy)
    {
        dy[0] = r.fka * y[1] - r.vmaxBw * y[0] / (r.kmVBw + y[0]);
        dy[1] = -(r.ka * y[1]);
    }
};

// One compartment, zero-order infusion, Michaelis-Menten elimination.
// theta: V per kg, Km, Vmax per kg per hour. State: X.
struct MMInfusion {
    static constexpr int kParams = 3;
    static constexpr int kStates = 1;
    static constexpr DoseRoute kRoute = DoseRoute::Infusion;
    static constexpr bool kVolumeOnlyScalesConcentration = false;

    struct Rates {
        double vmaxBw, kmVBw;
    };
    static Rates Prepare(const double* theta, double bodyWeight, double /*bioavail*/)
    {
        return {theta[2] * bodyWeight, theta[1] * theta[0] * bodyWeight};
    }
    template <class T>
    static void Slope(const Rates& r, T rate, const T* y, T* dy)
    {
        dy[0] = rate - r.vmaxBw * y[0] / (r.kmVBw + y[0]);
    }
};

} // namespace pk
