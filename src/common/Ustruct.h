#pragma once
// The case records: one patient, one analysis, its prescriptions and its
// samplings, field by field in the column order of their tables, and the
// schedule records derived from them.
#include "FixedText.h"

#include <QString>
#include <vector>

// Table `patient`. The record keeps the birth date before the age and the
// weight before the height; the table has them the other way round, and the
// store maps column by column.
struct TPatientRecord {
    TFixedText<15> patient_id_t;       // the creation time "yyyymmddhhnnss": the key other tables store
    TFixedText<11> patient_id;         // the hospital's patient number
    TFixedText<21> patient_name;
    TFixedText<21> patient_name_kana;
    int patient_gender = 0;            // 0 male, 1 female
    double patient_birth = 0;          // whole day; -10000.0 when only the age is known
    int patient_age = 0;
    double patient_weight = 0;         // kg
    double patient_height = 0;         // cm
    TFixedText<21> sinryouka_id;       // department
    TFixedText<11> doctor_id;
    int patient_kubun = 0;             // 0 outpatient, 1 inpatient
    TFixedText<21> patient_disorder;
};

// One block of the thirteen pharmacokinetic parameters. The analysis record
// holds four of them side by side (population means, their CV %, individual
// estimates, their CV %); the column `bosyudan_ka` is `bosyudan.ka`,
// `kaiseki_cl_vari` is `kaiseki_vari.cl`, and so on.
struct TParamBlock {
    double ka = 0, ke = 0, vd = 0, v1 = 0, v2 = 0, f = 0, a = 0, b = 0, k12 = 0, k21 = 0, vdf = 0, cl = 0, clf = 0;

    static constexpr int Count = 13;
    // The parameters in column order: 0 ka, 1 ke, 2 vd, 3 v1, 4 v2, 5 f, 6 a,
    // 7 b, 8 k12, 9 k21, 10 vdf, 11 cl, 12 clf.
    double& operator[](int index);
    double operator[](int index) const;
    static const char* Name(int index);   // "ka", "ke", ...
};
static_assert(sizeof(TParamBlock) == TParamBlock::Count * sizeof(double), "the block is contiguous");

// Table `kaiseki`.
struct TAnalysisRecord {
    TFixedText<15> patient_id;         // the patient key (`patient_id_t`)
    int kaiseki_id = 0;                // number of the analysis within the patient
    int kubun_id = 0;                  // drug key: category, generic drug, product (1-based)
    int yakuzainame_id = 0;
    int yakuhinname_id = 0;
    int syutten_id = 0;                // prior source: 1.. the product's sources, -1 a past analysis, -2 typed by hand
    int analysis_algo = 0;             // model choice of the one product that has two, else 0
    int analysis_weight = 0;
    int weight_value = 0;              // error model; the fit's mode is this + 1
    double absolute_error = 0;
    double relative_error = 0;
    double init_value = 0;             // initial concentration, 0 = none
    double analysis_date = 0;          // day of the last completed analysis, 0 = never analysed
    int analysis_level = 0;
    int kaiseki_before_id = 0;
    double kaiseki_table1 = 0, kaiseki_table2 = 0, kaiseki_table3 = 0, kaiseki_table4 = 0, kaiseki_table5 = 0;
    double kaiseki_table6 = 0, kaiseki_table7 = 0, kaiseki_table8 = 0, kaiseki_table9 = 0;
    double kaiseki_table10 = 0;        // hours added to every dose time
    TParamBlock bosyudan;              // population means
    TParamBlock bosyudan_vari;         // their coefficients of variation, %
    TParamBlock kaiseki;               // individual estimates
    TParamBlock kaiseki_vari;          // stored and loaded only
    int past_id = 0;                   // with syutten_id -1: the past analysis used as prior
    double ss = 0;                     // final objective value of the last fit
    TFixedText<801> comment;           // report comment

    static constexpr int CovariateCount = 10;
    // `kaiseki_table1` .. `kaiseki_table10` by number (1-based).
    double& KaisekiTable(int number);
    double KaisekiTable(int number) const;
};

// Table `touyo`: one prescription line of one schedule set.
struct TPrescription {
    TFixedText<15> patient_id;
    int analysis_id = 0;
    int result_id = 0;                 // schedule set 0-3
    int touyo_id = 0;                  // position in its set, renumbered on every save
    double touyo_start_time = 0;       // first day
    double touyo_end_time = 0;         // last day; 0 = open end (start + 89)
    int touyo_interval = 0;            // days
    double touyo_time = 0;             // time of day, fraction of a day
    double touyo_dose = 0;             // mg of active moiety
    double touyo_drip_time = 0;        // infusion hours
};

// Table `saiketu`: one measured blood concentration.
struct TSamplingRecord {
    TFixedText<15> patient_id;
    int analysis_id = 0;
    int saiketu_id = 0;                // position in the list, renumbered on every save
    double saiketu_time = 0;           // date and time of the sample
    double saiketu_value = 0;          // as entered, in the unit the schedule page shows
};

// One administration expanded from a prescription.
struct TScheduleDay {
    int PrescriptionIndex = 0;         // position of the prescription in its set at expansion
    double DateTime = 0;               // start + day offset + time of day
    double Dose = 0;                   // mg of active moiety
    double DripHours = 0;              // infusion hours, 0 for non-infusions
    double FormulationAmount = 0;      // amount of the formulation that carries the dose
};

// One event the engine reads; an infusion is followed by its end event
// {time + duration, 0, 0}.
struct TDoseEvent {
    double Time = 0;                   // whole minutes from 00:00 of the graph's first day
    double Amount = 0;                 // engine units
    double Duration = 0;               // infusion minutes, 0 for a bolus or an oral dose
};

// One undo step of the schedule page: copies of the current set's
// prescriptions and of the samplings.
struct TScheduleSnapshot {
    std::vector<TPrescription> Prescriptions;
    std::vector<TSamplingRecord> Samplings;
};

// A patient as reset by the patient page, an analysis as reset by the drug page.
TPatientRecord ResetPatientRecord();
TAnalysisRecord ResetAnalysisRecord();
