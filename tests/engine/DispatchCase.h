#pragma once
// A case for the dispatch tests: the records, four schedule sets of dose
// events, the samplings, the five model objects and the graph's days, with
// plausible population values per drug family; set 0 built from
// prescriptions, and samplings measured on a "true" patient's curve.
#include "ConcentrationDispatch.h"
#include "DateTime.h"
#include "DoseEvents.h"
#include "EngineContext.h"
#include "EstimationDispatch.h"
#include "GraphSpan.h"
#include "ScheduleExpansion.h"
#include "ScheduleTestData.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace dispatch_test {

inline constexpr double Day = 45200;   // 2023-09-30, the graph's first day
inline constexpr double Weight = 60.0;

inline double At(int hour, int minute, int second = 0)
{
    return vcl::EncodeTime(hour, minute, second, 0);
}

struct DrugCase {
    DrugCase(int kubun, int drug, int product, int algo = 0)
    {
        patient.patient_weight = Weight;
        analysis.kubun_id = kubun;
        analysis.yakuzainame_id = drug;
        analysis.yakuhinname_id = product;
        analysis.analysis_algo = algo;
    }
    DrugCase(const DrugCase&) = delete;
    DrugCase& operator=(const DrugCase&) = delete;

    TEngineContext Context() { return TEngineContext(patient, analysis, sets, lastSet, graph, models, buffers); }

    std::vector<TDoseEvent>& Events(int set) { return sets.DoseEventLists[set]; }

    // count infusions of `minutes` each, every `every` minutes from minute
    // `first`, each followed by its end event.
    void Infusions(int set, int first, int every, int count, double amount, int minutes)
    {
        for (int i = 0; i < count; ++i) {
            const double t = first + i * every;
            Events(set).push_back({t, amount, static_cast<double>(minutes)});
            Events(set).push_back({t + minutes, 0, 0});
        }
    }
    void OralDoses(int set, int first, int every, int count, double amount)
    {
        for (int i = 0; i < count; ++i)
            Events(set).push_back({static_cast<double>(first + i * every), amount, 0});
    }
    void Sampling(double dateTime, double value)
    {
        TSamplingRecord s;
        s.saiketu_time = dateTime;
        s.saiketu_value = value;
        sets.Samplings.push_back(s);
    }
    // A fresh curve's concentration at minute t on the context's active set.
    double FreshConcentration(int t, int flag, const TParamBlock& block, int initialFlag)
    {
        double second = 0, central = 0;
        int passed = 0;
        const TEngineContext c = Context();
        SelectSimulationParams(c, &central, &second, initialFlag);
        return ConcentrationAt(c, t, &second, &central, &passed, flag, block);
    }

    TPatientRecord patient;
    TAnalysisRecord analysis;
    TScheduleSets sets;
    TSimulationBuffers buffers;
    TEngineGraphDays graph{Day, Day, Day + 14};
    int lastSet = 0;
    std::unique_ptr<T1ComKeikoGN> oral1 = std::make_unique<T1ComKeikoGN>();
    std::unique_ptr<T1ComTentekiGN> infusion1 = std::make_unique<T1ComTentekiGN>();
    std::unique_ptr<T2ComTentekiGN> infusion2 = std::make_unique<T2ComTentekiGN>();
    std::unique_ptr<TMM1ComKeikoGN> oralMM = std::make_unique<TMM1ComKeikoGN>();
    std::unique_ptr<TMM1ComTentekiGN> infusionMM = std::make_unique<TMM1ComTentekiGN>();
    TEngineModels models{*oral1, *infusion1, *infusion2, *oralMM, *infusionMM};
};

// Daily from start to end at the time of day.
inline TPrescription Prescription(double start, double end, double timeOfDay, double dose, double dripHours = 0)
{
    return schedule_test::Prescription(start, end, 1, timeOfDay, dose, dripHours);
}

// Set 0 from the prescriptions, as the Analyse command builds it.
inline void Schedule(DrugCase& c, const std::vector<TPrescription>& prescriptions)
{
    const TDrugKey drug = DrugKeyOf(c.analysis);
    TGraphState graph;
    ComputeGraphSpan(prescriptions, drug, Day, graph);
    c.sets.PrescriptionLists[0] = prescriptions;
    ASSERT_EQ(ExpandPrescriptions(prescriptions, drug, c.sets.ScheduleDayLists[0]), ExpansionResult::Complete);
    ASSERT_EQ(BuildDoseEvents(c.sets.ScheduleDayLists[0], DoseEventContextOf(c.analysis, graph), c.Events(0)),
              DoseEventsResult::Built);
    c.graph = {graph.GraphFirstDay, graph.GraphViewStart, graph.GraphViewEnd};
}

// Samplings of the true patient's curve, each off by its noise factor.
inline void Measure(DrugCase& c, const TParamBlock& truth, const std::vector<double>& times)
{
    const double noise[] = {1.05, 0.96, 1.03, 0.98};
    const TParamBlock kept = c.analysis.kaiseki;
    c.analysis.kaiseki = truth;
    for (std::size_t i = 0; i < times.size(); ++i) {
        const int minute = static_cast<int>(MinutesBetween(times[i], c.graph.GraphFirstDay));
        c.Sampling(times[i], c.FreshConcentration(minute, 0, truth, 1) * noise[i % 4]);
    }
    c.analysis.kaiseki = kept;
}

// Population means and CVs (%) per family, in the units the set-ups expect.
inline void TheophyllinePopulation(TAnalysisRecord& a)   // 2/1/1: vd and cl per kg
{
    a.bosyudan.vd = 0.5;
    a.bosyudan.ka = 1.5;
    a.bosyudan.cl = 0.04;
    a.bosyudan.f = 1.0;
    a.bosyudan_vari.vd = 20;
    a.bosyudan_vari.ka = 50;
    a.bosyudan_vari.cl = 30;
}
inline void VancomycinPopulation(TAnalysisRecord& a)     // 5/1/1 either model
{
    a.bosyudan.vd = 0.85;
    a.bosyudan.cl = 0.06;
    a.bosyudan.f = 1.0;
    a.bosyudan.v1 = 0.3 * Weight;
    a.bosyudan.k12 = 0.5;
    a.bosyudan.k21 = 0.3;
    a.bosyudan_vari.vd = 20;
    a.bosyudan_vari.cl = 35;
    a.bosyudan_vari.v1 = 25;
    a.bosyudan_vari.k12 = 40;
    a.bosyudan_vari.k21 = 40;
}
inline void PhenytoinPopulation(TAnalysisRecord& a)      // 3/1: a = Km, b = Vmax per kg
{
    a.bosyudan.vd = 0.7;
    a.bosyudan.ka = 1.0;
    a.bosyudan.a = 4.0;
    a.bosyudan.b = 0.29;
    a.bosyudan.f = 0.9;
    a.bosyudan_vari.vd = 20;
    a.bosyudan_vari.ka = 50;
    a.bosyudan_vari.a = 45;
    a.bosyudan_vari.b = 30;
}
inline void LithiumPopulation(TAnalysisRecord& a)        // 6/1/1
{
    a.bosyudan.vd = 0.8;
    a.bosyudan.ka = 1.2;
    a.bosyudan.ke = 0.05;
    a.bosyudan.f = 1.0;
    a.bosyudan_vari.vd = 20;
    a.bosyudan_vari.ka = 40;
    a.bosyudan_vari.ke = 30;
}
inline void MethotrexatePopulation(TAnalysisRecord& a)   // 9/1/1: v1 per kg
{
    a.bosyudan.v1 = 0.25;
    a.bosyudan.ke = 0.2;
    a.bosyudan.k12 = 0.05;
    a.bosyudan.k21 = 0.03;
    a.bosyudan_vari.v1 = 25;
    a.bosyudan_vari.ke = 30;
    a.bosyudan_vari.k12 = 40;
    a.bosyudan_vari.k21 = 40;
}

} // namespace dispatch_test
