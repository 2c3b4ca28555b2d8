#include "Ustruct.h"

#include "Udifine.h"

namespace {

constexpr double TParamBlock::*ParamMembers[TParamBlock::Count] = {
    &TParamBlock::ka, &TParamBlock::ke, &TParamBlock::vd, &TParamBlock::v1, &TParamBlock::v2,
    &TParamBlock::f, &TParamBlock::a, &TParamBlock::b, &TParamBlock::k12, &TParamBlock::k21,
    &TParamBlock::vdf, &TParamBlock::cl, &TParamBlock::clf,
};

constexpr const char* ParamNames[TParamBlock::Count] = {
    "ka", "ke", "vd", "v1", "v2", "f", "a", "b", "k12", "k21", "vdf", "cl", "clf",
};

constexpr double TAnalysisRecord::*CovariateMembers[TAnalysisRecord::CovariateCount] = {
    &TAnalysisRecord::kaiseki_table1, &TAnalysisRecord::kaiseki_table2, &TAnalysisRecord::kaiseki_table3,
    &TAnalysisRecord::kaiseki_table4, &TAnalysisRecord::kaiseki_table5, &TAnalysisRecord::kaiseki_table6,
    &TAnalysisRecord::kaiseki_table7, &TAnalysisRecord::kaiseki_table8, &TAnalysisRecord::kaiseki_table9,
    &TAnalysisRecord::kaiseki_table10,
};

} // namespace

double& TParamBlock::operator[](int index)
{
    return this->*ParamMembers[index];
}

double TParamBlock::operator[](int index) const
{
    return this->*ParamMembers[index];
}

const char* TParamBlock::Name(int index)
{
    return ParamNames[index];
}

double& TAnalysisRecord::KaisekiTable(int number)
{
    return this->*CovariateMembers[number - 1];
}

double TAnalysisRecord::KaisekiTable(int number) const
{
    return this->*CovariateMembers[number - 1];
}

TPatientRecord ResetPatientRecord()
{
    TPatientRecord record;
    record.patient_birth = BirthDateUnknown;
    return record;
}

TAnalysisRecord ResetAnalysisRecord()
{
    TAnalysisRecord record;
    record.analysis_weight = 2;
    return record;
}
