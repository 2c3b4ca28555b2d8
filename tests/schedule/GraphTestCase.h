#pragma once
// A case for the graph tests: the records and four schedule sets built from
// prescriptions by the schedule's own expansion and dose events, the model
// objects, and the graph state with its span from set 0; and the four drug
// cases the graph is checked on.
#include "ConcentrationGraph.h"
#include "DoseEvents.h"
#include "EngineContext.h"
#include "GraphSpan.h"
#include "ScheduleExpansion.h"
#include "ScheduleSetOps.h"
#include "ScheduleSort.h"
#include "ModelObjects.h"
#include "ScheduleTestData.h"

namespace graph_test {

using schedule_test::At;
using schedule_test::Day;
using schedule_test::Prescription;

struct GraphCase {
    GraphCase(int kubun, int drug, int product, int algo = 0)
    {
        patient.patient_weight = 60.0;
        analysis.kubun_id = kubun;
        analysis.yakuzainame_id = drug;
        analysis.yakuhinname_id = product;
        analysis.analysis_algo = algo;
    }
    GraphCase(const GraphCase&) = delete;
    GraphCase& operator=(const GraphCase&) = delete;

    void Add(int set, const TPrescription& p)
    {
        TPrescription copy = p;
        copy.result_id = set;
        sets.PrescriptionLists[set].push_back(copy);
    }
    void Sampling(double dateTime, double value)
    {
        TSamplingRecord s;
        s.saiketu_time = dateTime;
        s.saiketu_value = value;
        sets.Samplings.push_back(s);
    }
    // The span from set 0, then every set's administrations and dose events.
    void Build(int yMin, int yMax, double rangeLower, double rangeUpper)
    {
        ComputeGraphSpan(sets.PrescriptionLists[0], DrugKeyOf(analysis), Day, graph);
        graph.GraphYMin = yMin;
        graph.GraphYMax = yMax;
        graph.GraphYRange = yMax - yMin;
        graph.RangeLower = rangeLower;
        graph.RangeUpper = rangeUpper;
        RebuildEvents();
    }
    void RebuildEvents()
    {
        for (int set = 0; set < ScheduleSetCount; ++set) {
            ExpandPrescriptions(sets.PrescriptionLists[set], DrugKeyOf(analysis), sets.ScheduleDayLists[set]);
            SortByTime(sets.ScheduleDayLists[set]);
            BuildDoseEvents(sets.ScheduleDayLists[set], DoseEventContextOf(analysis, graph), sets.DoseEventLists[set]);
        }
    }
    TEngineContext Context()
    {
        return TEngineContext(patient, analysis, sets, LastScheduleSetIndex(sets),
                              {graph.GraphFirstDay, graph.GraphViewStart, graph.GraphViewEnd}, objects.Models(),
                              buffers);
    }

    TPatientRecord patient;
    TAnalysisRecord analysis;
    TScheduleSets sets;
    TGraphState graph;
    TSimulationBuffers buffers;
    TModelObjects objects;
};

// Draws the case's graph as the result page does (curves, axes with the
// measured points, the layers the options show) and gives the curves drawn.
inline TGraphCurves DrawCase(GraphCase& c, TConcentrationGraph& graph, const TGraphDisplayOptions& options = {})
{
    const TEngineContext context = c.Context();
    TGraphCurves curves = ComputeGraphCurves(context, c.graph);
    graph.SetCurves(curves, c.graph, DrugKeyOf(c.analysis));
    TGraphAxesInput axes;
    axes.Graph = c.graph;
    axes.Drug = DrugKeyOf(c.analysis);
    if (!c.sets.PrescriptionLists[0].empty())
        axes.FirstDoseTimeOfDay = c.sets.PrescriptionLists[0].front().touyo_time;
    for (const TSamplingRecord& s : c.sets.Samplings)
        axes.Measured.push_back({s.saiketu_time, s.saiketu_value});
    graph.SetAxes(axes, TGraphFontMetrics());
    graph.SetVisibility(GraphLayerVisibility(GraphCaseOf(DrugKeyOf(c.analysis)), context.LastSetIndex, options));
    return curves;
}

// Vancomycin's two-compartment means and estimates.
inline void SetVancomycinParameters(GraphCase& c)
{
    TParamBlock& pop = c.analysis.bosyudan;
    pop.v1 = 0.35 * 60;
    pop.cl = 0.055;
    pop.k12 = 0.55;
    pop.k21 = 0.3;
    c.analysis.kaiseki = pop;
    c.analysis.kaiseki.v1 = 0.31 * 60;
    c.analysis.kaiseki.cl = 0.047;
}

// Vancomycin, two compartments: 1 g over 1 hour every 12 hours for a week
// from 09:00 of Day; changed regimens 1.5 g every 12 hours and 2 g once a
// day from day 3; two measured troughs.
inline void FillVancomycin(GraphCase& c)
{
    SetVancomycinParameters(c);
    c.Add(0, Prescription(Day, Day + 6, 1, At(9, 0), 1000, 1));
    c.Add(0, Prescription(Day, Day + 6, 1, At(21, 0), 1000, 1));
    c.Add(1, Prescription(Day, Day + 2, 1, At(9, 0), 1000, 1));
    c.Add(1, Prescription(Day + 3, Day + 6, 1, At(9, 0), 1500, 1));
    c.Add(1, Prescription(Day + 3, Day + 6, 1, At(21, 0), 1500, 1));
    c.Add(2, Prescription(Day, Day + 2, 1, At(9, 0), 2000, 2));
    c.Add(2, Prescription(Day + 3, Day + 6, 1, At(9, 0), 2000, 2));
    c.Sampling(Day + 2 + At(8, 30), 12.5);
    c.Sampling(Day + 4 + At(8, 30), 15.0);
    c.Build(0, 60, 10, 20);
}

// Digoxin tablets, 0.25 mg once a day at 08:00 for three weeks.
inline void FillDigoxin(GraphCase& c)
{
    TParamBlock& pop = c.analysis.bosyudan;
    pop.vd = 7.0 * 60;
    pop.ka = 1.5;
    pop.ke = 0.0139;
    pop.f = 0.7;
    c.analysis.kaiseki = pop;
    c.analysis.kaiseki.vd = 6.0 * 60;
    c.analysis.kaiseki.ke = 0.011;
    c.Add(0, Prescription(Day, Day + 20, 1, At(8, 0), 0.25));
    c.Sampling(Day + 6 + At(7, 30), 0.9);
    c.Build(0, 4, 0.8, 2.0);
}

// Methotrexate, 5 g over 6 hours at 10:00 of Day, on the logarithmic axis.
inline void FillMethotrexate(GraphCase& c)
{
    TParamBlock& pop = c.analysis.bosyudan;
    pop.v1 = 0.18;
    pop.ke = 0.25;
    pop.k12 = 0.05;
    pop.k21 = 0.1;
    c.analysis.kaiseki = pop;
    c.analysis.kaiseki.ke = 0.2;
    c.Add(0, Prescription(Day, Day, 1, At(10, 0), 5000, 6));
    c.Sampling(Day + 1 + At(10, 0), 12.0);   // μM
    c.Sampling(Day + 2 + At(10, 0), 0.6);
    c.Build(-2, 4, 0, 0);
}

// Phenytoin capsules, 300 mg at 20:00 for two weeks, with serum albumin
// 3.0 g/dL for the corrected curve.
inline void FillPhenytoin(GraphCase& c)
{
    TParamBlock& pop = c.analysis.bosyudan;
    pop.vd = 0.7;
    pop.ka = 1.0;
    pop.a = 4.0;
    pop.b = 0.29;
    pop.f = 0.9;
    c.analysis.kaiseki = pop;
    c.analysis.kaiseki.b = 0.25;
    c.analysis.kaiseki_table8 = 3.0;
    c.Add(0, Prescription(Day, Day + 13, 1, At(20, 0), 300));
    c.Sampling(Day + 9 + At(19, 0), 11.0);
    c.Build(0, 40, 10, 20);
}

} // namespace graph_test
