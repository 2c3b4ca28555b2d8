#pragma once
// A search dialog on a working database copied from the generated template:
// the program's data module on it, a window standing in for the main window,
// scripted message boxes and a fixed clock.
#include "StoreFixture.h"
#include "TestSeams.h"
#include "Udifine.h"
#include "Ustruct.h"
#include "plButton.h"

#include <QTimer>
#include <QWidget>
#include <functional>

class SearchDialogTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        DataModule1 = store.get();
    }
    void TearDown() override
    {
        DataModule1 = nullptr;
        StoreTest::TearDown();
    }

    struct Patient {
        QString key, number, name, kana, department, doctor;
    };
    void AddPatient(const Patient& p)
    {
        TPatientRecord record = ResetPatientRecord();
        record.patient_id_t = p.key;
        record.patient_id = p.number;
        record.patient_name = p.name;
        record.patient_name_kana = p.kana;
        record.sinryouka_id = p.department;
        record.doctor_id = p.doctor;
        record.patient_age = 40;
        record.patient_weight = 61.5;
        ASSERT_EQ(store->SavePatient(record), 0) << store->LastError().toStdString();
    }
    void AddAnalysis(const QString& key, int id, double date)
    {
        TAnalysisRecord a = ResetAnalysisRecord();
        a.patient_id = key;
        a.kaiseki_id = id;
        a.kubun_id = 5;
        a.yakuzainame_id = 1;
        a.yakuhinname_id = 1;
        a.analysis_date = date;
        ASSERT_EQ(store->SaveAnalysis(a), 0) << store->LastError().toStdString();
    }

    // Opens the dialog modally, runs `whileOpen` once it shows, and returns
    // how it closed; a dialog still open afterwards is closed with Cancel, so
    // a test never blocks.
    static int RunModal(vcl::TForm& dialog, const std::function<void()>& whileOpen)
    {
        QTimer::singleShot(0, &dialog, [&dialog, whileOpen] {
            whileOpen();
            if (dialog.isVisible())
                dialog.reject();
        });
        return dialog.ShowModal();
    }

    testing_seams::ScriptedMessageBoxes boxes;
    testing_seams::FixedClock clock{vcl::EncodeDate(2026, 12, 8) + 0.75};
    QWidget mainWindow;
};
