#pragma once
// The concentrations at the samples for one or several parameter sets: the
// integration the fit calls for every trial, 100 Runge-Kutta steps per dose
// interval over the dose-interval table built once per fit.

#include "PkDoseEvent.h"
#include "RungeKutta.h"

#include <cstddef>
#include <span>

namespace pk {

template <class Model>
class SamplePrediction {
public:
    static constexpr int P = Model::kParams;
    static constexpr int S = Model::kStates;
    static constexpr int kStepsPerInterval = 100;

    // Loads the dose events and sampling times and builds the dose-interval
    // table. The caller has checked the counts and the order (both ascending,
    // no sample before the first event). initCentral is the central amount at
    // the first event; the second state starts empty.
    void Load(const double* sampleTimes, int nObs, std::span<const PkDoseEvent> doseEvents, double bodyWeight,
              double bioavail, double initCentral);

    int SampleCount() const { return SampleCount_; }
    // The work of predicting for one parameter set, in the units of the fit's
    // budget: the Runge-Kutta steps PredictLanes takes (100 for every full
    // dose interval before the last sample's last dose and 100 for every
    // sample's partial interval), and 100 more for what a fit does around
    // each prediction (the rates, the objective, its share of the step),
    // which costs about that much.
    long long WorkPerLane() const { return WorkPerLane_; }
    double BodyWeight() const { return BodyWeight_; }

    // Lanes parameter sets integrated in step; predConc[lane][j] receives the
    // concentration at sample j and, when given, central[lane][j] the central
    // amount behind it. Nothing is written when no sample is loaded.
    template <int Lanes>
    void PredictLanes(const double (&theta)[Lanes][P], double (*predConc)[kMaxSamples],
                      double (*central)[kMaxSamples]) const;

private:
    void BuildIntervalTable();

    double SampleTime[kMaxSamples] = {};
    // Per dose event: the amount (oral models) or the rate until the next
    // event (infusion models), and the time in hours.
    double DoseInput[kMaxDoseEvents] = {};
    double DoseTime[kMaxDoseEvents] = {};
    // The dose-interval table. Every sample shares the full intervals before
    // its last dose, so they are held once (as their Runge-Kutta step length,
    // interval / 100) and only the partial interval is held per sample.
    double FullIntervalStep[kMaxDoseEvents] = {};
    double PartialIntervalStep[kMaxSamples] = {};
    int LastDose[kMaxSamples] = {};
    int SampleCount_ = 0;
    int DoseCount = 0;
    long long WorkPerLane_ = 0;
    double BodyWeight_ = 0.0;
    double Bioavail = 1.0;
    // C0 x population V x BW; it stays fixed while V is estimated.
    double InitCentral = 0.0;
    // Absorption-site (oral) or peripheral (two-compartment) amount at the
    // first event: always 0.
    double InitSecond = 0.0;
};

template <class Model>
void SamplePrediction<Model>::Load(const double* sampleTimes, int nObs, std::span<const PkDoseEvent> doseEvents,
                                   double bodyWeight, double bioavail, double initCentral)
{
    SampleCount_ = nObs;
    DoseCount = static_cast<int>(doseEvents.size());
    for (int i = 0; i < DoseCount; ++i) {
        const PkDoseEvent& event = doseEvents[static_cast<std::size_t>(i)];
        DoseTime[i] = MinutesToHours(event.time);
        if constexpr (Model::kRoute == DoseRoute::Oral)
            DoseInput[i] = event.amount;
        else
            DoseInput[i] = event.duration > 0 ? event.amount / (event.duration / 60.0) : 0.0;
    }
    for (int j = 0; j < SampleCount_; ++j)
        SampleTime[j] = sampleTimes[j];
    InitCentral = initCentral;
    InitSecond = 0.0;
    BodyWeight_ = bodyWeight;
    Bioavail = Model::kRoute == DoseRoute::Oral ? bioavail : 1.0;
    BuildIntervalTable();
}

template <class Model>
void SamplePrediction<Model>::BuildIntervalTable()
{
    const int n = DoseCount;
    for (int i = 0; i + 1 < n; ++i)
        FullIntervalStep[i] = (DoseTime[i + 1] - DoseTime[i]) / kStepsPerInterval;

    // Samples and dose times are both ascending, so each search resumes where
    // the previous sample's ended.
    int from = 0;
    for (int j = 0; j < SampleCount_; ++j) {
        const double s = SampleTime[j];
        double partial;
        if (DoseTime[n - 1] < s) {
            LastDose[j] = n;
            partial = s - DoseTime[n - 1];
        } else {
            // A sample at a dose time lies before that dose: its trough. With
            // a single event the search below finds nothing, and a sample at
            // that event's time gets the first dose with an empty interval.
            LastDose[j] = 1;
            partial = s - DoseTime[0];
            for (int i = from; i + 1 < n; ++i) {
                if (s <= DoseTime[i + 1]) {
                    LastDose[j] = i + 1;
                    partial = s - DoseTime[i];
                    break;
                }
            }
        }
        PartialIntervalStep[j] = partial / kStepsPerInterval;
        from = LastDose[j] - 1;
    }
    const long long fullIntervals = SampleCount_ > 0 ? LastDose[SampleCount_ - 1] - 1 : 0;
    WorkPerLane_ = (fullIntervals + SampleCount_ + 1) * kStepsPerInterval;
}

// Integrates Lanes parameter sets in step through the dose intervals up to the
// last sample. Each sample branches off the chain at the state just before its
// last dose, which makes a table of states per dose time unnecessary.
template <class Model>
template <int Lanes>
void SamplePrediction<Model>::PredictLanes(const double (&theta)[Lanes][P], double (*predConc)[kMaxSamples],
                                           double (*central)[kMaxSamples]) const
{
    if (SampleCount_ == 0)
        return;
    typename Model::Rates rates[Lanes];
    double volume[Lanes];
    double y[Lanes][S];
    for (int lane = 0; lane < Lanes; ++lane) {
        rates[lane] = Model::Prepare(theta[lane], BodyWeight_, Bioavail);
        volume[lane] = theta[lane][0] * BodyWeight_;
        y[lane][0] = InitCentral;
        if constexpr (S > 1)
            y[lane][1] = InitSecond;
    }
    const int lastInterval = LastDose[SampleCount_ - 1] - 1;
    int j = 0;
    for (int i = 0;; ++i) {
        // y holds the states just before dose i.
        for (; j < SampleCount_ && LastDose[j] - 1 == i; ++j) {
            double branch[Lanes][S];
            for (int lane = 0; lane < Lanes; ++lane) {
                for (int k = 0; k < S; ++k)
                    branch[lane][k] = y[lane][k];
            }
            const double rate = ApplyDose<Model>(DoseInput[i], branch);
            RungeKuttaSteps<Model>(rates, rate, PartialIntervalStep[j], kStepsPerInterval, branch);
            for (int lane = 0; lane < Lanes; ++lane) {
                predConc[lane][j] = branch[lane][0] / volume[lane];
                if (central)
                    central[lane][j] = branch[lane][0];
            }
        }
        if (i >= lastInterval)
            break;
        const double rate = ApplyDose<Model>(DoseInput[i], y);
        RungeKuttaSteps<Model>(rates, rate, FullIntervalStep[i], kStepsPerInterval, y);
    }
}

} // namespace pk
