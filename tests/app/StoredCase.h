#pragma once
// A stored vancomycin case the main window's tests load: a patient, an
// analysis dated 2026-12-05, every 12 h from 2026-12-01 to 12-07 in set 0, a
// changed regimen in set 1, two samplings.
#include "DateTime.h"
#include "Udifine.h"
#include "Ustruct.h"
#include "uDataBase.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

inline TPatientRecord StoredPatient()
{
    TPatientRecord p = ResetPatientRecord();
    p.patient_id_t = QStringLiteral("20261201093000");
    p.patient_id = QStringLiteral("P-001");
    p.patient_name = QStringLiteral("山田太郎");
    p.patient_age = 60;
    p.patient_weight = 60;
    p.patient_height = 170;
    return p;
}

enum class StoredModel { OneCompartment, TwoCompartments };

// A vancomycin case: every 12 h from 2026-12-01 in set 0, a changed regimen in
// set 1, two samplings; with two compartments the population values and the
// estimates of that model.
inline void StoreVancomycinCase(TDataModule1& store, StoredModel model = StoredModel::OneCompartment)
{
    ASSERT_EQ(store.SavePatient(StoredPatient()), 0);
    TAnalysisRecord a = ResetAnalysisRecord();
    a.patient_id = QStringLiteral("20261201093000");
    a.kaiseki_id = 0;
    a.kubun_id = 5;
    a.yakuzainame_id = 1;
    a.yakuhinname_id = 1;
    a.analysis_algo = 1;
    a.syutten_id = 1;
    a.analysis_date = vcl::EncodeDate(2026, 12, 5);
    a.bosyudan.vd = 0.7;
    a.bosyudan.ke = 0.1;
    if (model == StoredModel::TwoCompartments) {
        a.analysis_algo = 2;
        a.bosyudan.v1 = 21;
        a.bosyudan.cl = 0.055;
        a.bosyudan.k12 = 0.55;
        a.bosyudan.k21 = 0.3;
        a.kaiseki = a.bosyudan;
        a.kaiseki.cl = 0.047;
    }
    ASSERT_EQ(store.SaveAnalysis(a), 0);
    std::array<std::vector<TPrescription>, ScheduleSetCount> sets;
    TPrescription rx;
    rx.touyo_start_time = vcl::EncodeDate(2026, 12, 1);
    rx.touyo_end_time = vcl::EncodeDate(2026, 12, 7);
    rx.touyo_interval = 1;
    rx.touyo_time = 9.0 / 24;
    rx.touyo_dose = 1000;
    rx.touyo_drip_time = 1;
    sets[0].push_back(rx);
    rx.touyo_time = 21.0 / 24;
    sets[0].push_back(rx);
    rx.touyo_dose = 750;
    sets[1].push_back(rx);
    std::vector<TSamplingRecord> samplings(2);
    samplings[0].saiketu_time = vcl::EncodeDate(2026, 12, 3) + 8.5 / 24;
    samplings[0].saiketu_value = 12.5;
    samplings[1].saiketu_time = vcl::EncodeDate(2026, 12, 4) + 8.5 / 24;
    samplings[1].saiketu_value = 14.0;
    ASSERT_EQ(store.SaveAnalysisWithSchedule(a, sets, 1, samplings), 0);
}
