#include "CaseRecords.h"
#include "Ucommon.h"

#include <gtest/gtest.h>

TEST(FixedText, CutsToTheUsableBytesOnACharacterBoundary)
{
    TPatientRecord p;
    p.patient_name = QStringLiteral("山田太郎山田太郎山田太郎"); // 24 bytes into a 21-byte field
    EXPECT_EQ(p.patient_name.text(), QStringLiteral("山田太郎山田太郎山田")); // 20 bytes
    p.patient_id = QStringLiteral("1234567890123");
    EXPECT_EQ(p.patient_id.text(), QStringLiteral("1234567890"));
    p.doctor_id = QStringLiteral("ab医師名前です");                 // 2 + 2 x 6 = 14 bytes, 10 usable
    EXPECT_EQ(p.doctor_id.text(), QStringLiteral("ab医師名前"));
    TAnalysisRecord a;
    a.comment = QString(900, QLatin1Char('x'));
    EXPECT_EQ(a.comment.text().size(), 800);
}

TEST(Records, ResetValues)
{
    EXPECT_EQ(ResetPatientRecord().patient_birth, -10000.0);
    EXPECT_EQ(ResetPatientRecord().patient_age, 0);
    EXPECT_EQ(ResetAnalysisRecord().analysis_weight, 2);
    EXPECT_EQ(ResetAnalysisRecord().kaiseki_id, 0);
    EXPECT_EQ(CurrentAnalysis.analysis_weight, 0); // the process-wide records start zeroed
}

TEST(Records, ParameterBlocksIndexInColumnOrder)
{
    TAnalysisRecord a;
    a.kaiseki.cl = 3.5;
    a.bosyudan_vari.k21 = 20;
    EXPECT_EQ(a.kaiseki[11], 3.5);
    EXPECT_EQ(a.bosyudan_vari[9], 20);
    a.bosyudan[6] = 4.0;
    EXPECT_EQ(a.bosyudan.a, 4.0);
    EXPECT_STREQ(TParamBlock::Name(12), "clf");
    a.KaisekiTable(10) = 1.5;
    EXPECT_EQ(a.kaiseki_table10, 1.5);
    EXPECT_EQ(a.KaisekiTable(1), 0.0);
}

TEST(ScheduleSets, CurrentListsFollowTheSetIndex)
{
    TScheduleSets sets;
    sets.PrescriptionLists[2].push_back(TPrescription{});
    sets.CurSetIndex = 2;
    EXPECT_EQ(sets.CurPrescriptions().size(), 1u);
    EXPECT_EQ(&sets.ActiveDoseEvents(), &sets.DoseEventLists[2]);
    sets.CurSetIndex = 0;
    EXPECT_TRUE(sets.CurPrescriptions().empty());
}

TEST(CaseRecords, ClearingKeepsOnlyWhatItIsAskedTo)
{
    TPatientRecord p;
    p.patient_id_t = QStringLiteral("20261208093000");
    p.patient_name = QStringLiteral("山田");
    p.patient_age = 50;
    ClearPatientRecord(p, PatientKey::Keep);
    EXPECT_EQ(p.patient_id_t.text(), QStringLiteral("20261208093000"));
    EXPECT_TRUE(p.patient_name.isEmpty());
    EXPECT_EQ(p.patient_birth, -10000.0);
    ClearPatientRecord(p, PatientKey::Clear);
    EXPECT_FALSE(IsPatientCurrent(p));

    TAnalysisRecord a;
    a.patient_id = QStringLiteral("x");
    a.bosyudan.cl = 1.5;
    a.kaiseki.vd = 0.7;
    a.bosyudan_vari.cl = 30;
    a.kubun_id = 5;
    ClearDrugRecord(a, DrugValues::KeepParameters);
    EXPECT_EQ(a.bosyudan.cl, 1.5);
    EXPECT_EQ(a.kaiseki.vd, 0.7);
    EXPECT_EQ(a.bosyudan_vari.cl, 0.0);
    EXPECT_EQ(a.kubun_id, 0);
    EXPECT_EQ(a.analysis_weight, 2);
    EXPECT_FALSE(IsAnalysisCurrent(a));
    ClearDrugRecord(a, DrugValues::KeepPopulationMeans);
    EXPECT_EQ(a.bosyudan.cl, 1.5);
    EXPECT_EQ(a.kaiseki.vd, 0.0);
    ClearDrugRecord(a, DrugValues::ClearAll);
    EXPECT_EQ(a.bosyudan.cl, 0.0);
}
