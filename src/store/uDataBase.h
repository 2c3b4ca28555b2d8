#pragma once
// The data module: the program's one door to the case database, to the
// built-in drug master and to the therapeutic range in the settings file.
//
// The case database is the SQLite file "MDB/TDM.mdb" beside the executable,
// reached through the connection "tdm_ds". It opens on first use, read-write
// and never created: a missing file, or one without the four case tables and
// their columns, is an error. Every value reaches SQL as a bound parameter.
//
// The store never shows a message box. An operation that fails returns -1 and
// leaves the failure in LastFailure(): its kind, the file and the technical
// reason "component: text" (also LastError()); the windows show
// LastFailureText(). A lock held by another program is waited for at most
// BusyTimeoutMs before the operation fails. Only one data module exists at a
// time (the connection name is fixed). The working file is made at start-up
// by EnsureWorkingDatabase (WorkingDatabase.h).
#include "CaseColumns.h"
#include "CaseSearch.h"
#include "DrugMaster.h"
#include "StoreFailure.h"
#include "Udifine.h"
#include "Ustruct.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <array>
#include <vector>

class TDataModule1 {
public:
    static const QString ConnectionName;   // "tdm_ds"
    // How long an operation waits for a lock another program holds.
    static constexpr int BusyTimeoutMs = 3000;

    TDataModule1();
    ~TDataModule1();
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    // Why the last failing operation failed; kind None after a success.
    const TStoreFailure& LastFailure() const { return failure_; }
    // Its technical reason, "Query1: database is locked"; empty after a success.
    const QString& LastError() const { return failure_.Reason; }
    // The two lines a window shows for it (StoreFailureText).
    QString LastFailureText() const { return StoreFailureText(failure_); }

    // The start-up's check: opens the working file and checks its tables, as
    // every operation does on first use, and makes sure it can be written (a
    // write-protected file opens read-only without a word; the probe writes
    // inside a transaction that is rolled back). 0, or -1 with the failure kept.
    int OpenDatabase();

    // --- Patients (table `patient`) ---
    int CountPatient(const QString& patientKey);
    // Inserts the row, or updates the row with the same `patient_id_t`; 0.
    int SavePatient(const TPatientRecord& patient);
    // 0 and the row's record, the age recomputed from a known birth date; a key
    // without a row gives 0 and a zeroed record (birth date 0, age 0).
    int LoadPatient(const QString& patientKey, TPatientRecord& patient);
    // Runs the caller's SELECT on `patient` (values bound to its "?" in
    // order) into `list`, replacing its contents, with the age rule of
    // LoadPatient; the number of records.
    int SearchPatients(const QString& sql, const QVariantList& values, std::vector<TPatientRecord>& list);

    // --- Analyses (table `kaiseki`) ---
    int CountAnalyses(const QString& patientKey);
    int CountAnalysisRow(const TAnalysisRecord& analysis);
    // Inserts or updates the row of (`patient_id`, `kaiseki_id`); 0. A
    // negative `kaiseki_id` or a non-finite number is refused.
    int SaveAnalysis(const TAnalysisRecord& analysis);
    int LoadAnalysis(const QString& patientKey, int kaisekiId, TAnalysisRecord& analysis);
    // The patient's analysed cases of one product, oldest first (equal dates
    // by `kaiseki_id`), never-analysed rows left out. Variant 0 takes the rows
    // of `analysis_algo` 0 or 3, any other variant the rows of that model.
    int ListAnalyses(std::vector<TAnalysisRecord>& list, const QString& patientKey, int kubun, int drug, int product,
                     int variant);

    // --- Prescriptions (table `touyo`) and samplings (table `saiketu`) ---
    int InsertPrescription(const TPrescription& prescription);
    int DeletePrescriptions(const QString& patientKey, int analysisId, int scheduleSet);
    // The set's rows in `touyo_id` order, replacing the list's contents.
    int LoadPrescriptions(const QString& patientKey, int analysisId, int scheduleSet, std::vector<TPrescription>& list);
    // The measured value is stored rounded to six decimals.
    int InsertSampling(const TSamplingRecord& sampling);
    int DeleteSamplings(const QString& patientKey, int analysisId);
    // The rows in `saiketu_id` order, replacing the list's contents.
    int LoadSamplings(const QString& patientKey, int analysisId, std::vector<TSamplingRecord>& list);

    // The Analyse command's store, all or nothing in one transaction: saves
    // the analysis row, deletes every prescription (all four sets) and every
    // sampling of the analysis, and inserts sets 0..lastSetIndex and the
    // samplings. The records written are first given the analysis' key, their
    // set number and their positions from 0 (`touyo_id`, `saiketu_id`), in
    // the caller's lists too. 0, or -1 with nothing changed in the database.
    int SaveAnalysisWithSchedule(const TAnalysisRecord& analysis,
                                 std::array<std::vector<TPrescription>, ScheduleSetCount>& prescriptionLists,
                                 int lastSetIndex, std::vector<TSamplingRecord>& samplings);

    // --- Case search (joins `patient` and `kaiseki`) ---
    // Runs the caller's nine-column SELECT (see TCaseSearchRow) into `list`.
    int SearchCases(const QString& sql, const QVariantList& values, std::vector<TCaseSearchRow>& list);

    // --- Drug master (no database involved); see DrugMaster.h ---
    int FillCategoryList(QStringList& list) const { return ::FillCategoryList(list); }
    int FillDrugList(QStringList& list, int kubun) const { return ::FillDrugList(list, kubun); }
    int FillProductList(QStringList& list, int kubun, int drug) const { return ::FillProductList(list, kubun, drug); }
    int FillModelList(QStringList& list, int kubun, int drug, int product) const
    {
        return ::FillModelList(list, kubun, drug, product);
    }
    int FillSourceList(QStringList& list, int kubun, int drug, int product, int variant) const
    {
        return ::FillSourceList(list, kubun, drug, product, variant);
    }
    int ProductDoseForm(int kubun, int drug, int product) const { return ::ProductDoseForm(kubun, drug, product); }
    QString ProductModelName(int kubun, int drug, int product) const
    {
        return ::ProductModelName(kubun, drug, product);
    }
    void ReadRangeLimits(int kubun, int drug, int product, double& upper, double& lower) const
    {
        ::ReadRangeLimits(kubun, drug, product, upper, lower);
    }
    // 0, or -1 with the reason in LastError() when the settings file could not be written.
    int WriteRangeLimits(int kubun, int drug, int product, double upper, double lower);

private:
    // Clears the last error and opens the database when needed; false with
    // the reason kept.
    bool BeginOperation();
    bool Open();
    // The part that failed, named in the reason: the connection or a statement.
    enum class Component { Database, Query };
    bool Fail(Component component, StoreFailureKind kind, const QString& text);
    bool Fail(Component component, const QSqlError& error);
    bool CheckTables();
    bool ProbeWrite();
    bool CheckFinite(CaseTable table, const QVariantList& values);
    QSqlQuery NewQuery() const;

    // Statements: each false with the reason kept.
    bool RunTransactionStatement(const QString& sql);   // BEGIN, COMMIT
    bool Exec(const QString& sql, const QVariantList& values);
    bool RunSelect(QSqlQuery& query, const QString& sql, const QVariantList& values, int minimumColumns);
    bool FinishSelect(QSqlQuery& query);
    int Count(const QString& sql, const QVariantList& values);   // -1 on failure

    // The writes of the public operations, for use inside a transaction.
    bool WriteAnalysis(const TAnalysisRecord& analysis);
    bool InsertRow(CaseTable table, const QVariantList& values);
    bool InsertPrescriptionRow(const TPrescription& prescription);
    bool InsertSamplingRow(const TSamplingRecord& sampling);

    TStoreFailure failure_;
};

// The program's one data module, created at start-up after the main window.
extern TDataModule1* DataModule1;
