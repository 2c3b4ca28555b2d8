#include "SearchDialogFixture.h"
#include "StringGridEx.h"
#include "uPatientSearch.h"

#include <QLineEdit>

class PatientSearchDialog : public SearchDialogTest {
protected:
    void SetUp() override
    {
        SearchDialogTest::SetUp();
        dialog = new TfrmPatientSearch(&mainWindow);
    }
    void Search(QLineEdit* edit, const QString& text)
    {
        edit->setText(text);
        dialog->plButton8->Click();
    }
    // Columns 0-3 of a grid row: number, name, department, doctor.
    QStringList RowText(int row) const
    {
        QStringList cells;
        for (int col = 0; col < 4; ++col)
            cells << dialog->StringGridEx1->Cells(col, row);
        return cells;
    }

    TfrmPatientSearch* dialog = nullptr;
};

TEST_F(PatientSearchDialog, HitsFillOneRowEachAndTheGridKeepsTenDataRows)
{
    for (int i = 0; i < 15; ++i)
        AddPatient({QStringLiteral("202601010900%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("7%1").arg(i),
                    QStringLiteral("患者%1").arg(i), QStringLiteral("カンジャ"), QStringLiteral("内科"),
                    QStringLiteral("佐藤")});
    AddPatient({QStringLiteral("20260101100000"), QStringLiteral("800"), QStringLiteral("山田"),
                QStringLiteral("ヤマダ"), QStringLiteral("外科"), QStringLiteral("鈴木")});
    AddPatient({QStringLiteral("20260101100001"), QStringLiteral("801"), QStringLiteral("山本"),
                QStringLiteral("ヤマモト"), QStringLiteral("外科"), QStringLiteral("鈴木")});
    AddPatient({QStringLiteral("20260101100002"), QStringLiteral("802"), QStringLiteral("山口"),
                QStringLiteral("ヤマグチ"), QStringLiteral("眼科"), QStringLiteral("田中")});

    Search(dialog->Edit3, QStringLiteral("カンジャ"));
    EXPECT_EQ(dialog->Results().size(), 15u);
    EXPECT_EQ(dialog->StringGridEx1->RowCount(), 16);

    Search(dialog->Edit3, QStringLiteral("ヤマ"));
    EXPECT_EQ(dialog->StringGridEx1->RowCount(), 11);
    EXPECT_EQ(RowText(1), (QStringList{QStringLiteral("800"), QStringLiteral("山田"), QStringLiteral("外科"),
                                       QStringLiteral("鈴木")}));
    EXPECT_EQ(RowText(3).at(1), QStringLiteral("山口"));
    for (int row = 4; row <= 10; ++row)
        EXPECT_EQ(RowText(row), QStringList(4, QString())) << row;

    dialog->Edit3->clear();
    dialog->Edit1->setText(QStringLiteral("80"));
    Search(dialog->Edit6, QStringLiteral("田"));
    ASSERT_EQ(dialog->Results().size(), 1u);
    EXPECT_EQ(RowText(1).at(1), QStringLiteral("山口"));

    // Every field empty: no search, the last hits stay.
    dialog->Edit1->clear();
    Search(dialog->Edit6, QString());
    EXPECT_EQ(RowText(1).at(1), QStringLiteral("山口"));
    EXPECT_EQ(boxes.count(), 0);
}

// Quotes and wildcards match themselves; a pasted tab is left out and a JIS
// form taken as its CP932 twin, as the patient page stored the name.
TEST_F(PatientSearchDialog, TypedQuotesAndWildcardsMatchThemselvesAndPastedTextTheStoredName)
{
    const QStringList names{QStringLiteral("O'Neil"), QStringLiteral("50%引き"), QStringLiteral("50円"),
                            QStringLiteral("a_b"), QStringLiteral("axb"), QStringLiteral("c\\d"),
                            QStringLiteral("山田太郎"), QStringLiteral("佐藤\uFF0D山田"),
                            QStringLiteral("佐藤花子")};
    for (int i = 0; i < names.size(); ++i)
        AddPatient({QStringLiteral("2026010209000%1").arg(i), QString::number(i), names[i], {}, {}, {}});
    const auto hitsFor = [&](const QString& typed) {
        Search(dialog->Edit2, typed);
        QStringList hits;
        for (const TPatientRecord& p : dialog->Results())
            hits << p.patient_name;
        return hits;
    };
    EXPECT_EQ(hitsFor(QStringLiteral("O'")), QStringList{QStringLiteral("O'Neil")});
    EXPECT_EQ(hitsFor(QStringLiteral("50%")), QStringList{QStringLiteral("50%引き")});
    EXPECT_EQ(hitsFor(QStringLiteral("a_")), QStringList{QStringLiteral("a_b")});
    EXPECT_EQ(hitsFor(QStringLiteral("c\\")), QStringList{QStringLiteral("c\\d")});
    EXPECT_EQ(hitsFor(QStringLiteral("' OR ''='")), QStringList{});
    EXPECT_EQ(hitsFor(QStringLiteral("山田\t太郎")), QStringList{QStringLiteral("山田太郎")});
    EXPECT_EQ(hitsFor(QStringLiteral("佐藤\u2212")), QStringList{QStringLiteral("佐藤\uFF0D山田")});
    EXPECT_EQ(dialog->Edit2->text(), QStringLiteral("佐藤\uFF0D"));
    EXPECT_EQ(boxes.count(), 0);
}

// A name longer than its field is stored cut; typed in full it still finds it.
TEST_F(PatientSearchDialog, ANameTypedInFullFindsTheNameStoredCut)
{
    const QString name = QStringLiteral("寿限無寿限無五劫の擦り切れ");   // 26 bytes, 20 stored
    AddPatient({QStringLiteral("20260103090000"), QStringLiteral("1"), name, {}, {}, QStringLiteral("ABCDEFGHIJKL")});
    Search(dialog->Edit2, name);
    ASSERT_EQ(dialog->Results().size(), 1u);
    EXPECT_EQ(dialog->Results()[0].patient_name, name.left(10));
    dialog->Edit2->clear();
    Search(dialog->Edit6, QStringLiteral("ABCDEFGHIJKL"));   // 12 bytes, 10 stored
    EXPECT_EQ(dialog->Results().size(), 1u);
}

TEST_F(PatientSearchDialog, OnlyARowShowingAHitCanBeChosenAndClearShowsNone)
{
    AddPatient({QStringLiteral("20260104090000"), QStringLiteral("11"), QStringLiteral("山田"),
                QStringLiteral("ヤマダ"), QStringLiteral("内科"), QStringLiteral("佐藤")});
    AddPatient({QStringLiteral("20260104090001"), QStringLiteral("12"), QStringLiteral("山本"),
                QStringLiteral("ヤマモト"), QStringLiteral("外科"), QStringLiteral("鈴木")});
    Search(dialog->Edit1, QStringLiteral("1"));
    TStringGridEx* grid = dialog->StringGridEx1;

    grid->SetRow(5);
    dialog->plButton2->Click();
    EXPECT_EQ(dialog->ModalResult(), vcl::mrNone);
    dialog->StringGridEx1DblClick(grid);
    EXPECT_EQ(dialog->ModalResult(), vcl::mrNone);

    grid->SetRow(2);
    dialog->plButton2->Click();
    EXPECT_EQ(dialog->ModalResult(), vcl::mrOk);
    const TPatientRecord chosen = dialog->GetSelectedPatient();
    EXPECT_EQ(chosen.patient_id_t, QStringLiteral("20260104090001"));
    EXPECT_EQ(chosen.patient_name_kana, QStringLiteral("ヤマモト"));
    EXPECT_EQ(chosen.patient_weight, 61.5);

    // The hits are kept until the next search, but no row shows them.
    dialog->plButton1->Click();
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_TRUE(dialog->Edit1->text().isEmpty());
    EXPECT_EQ(dialog->Results().size(), 2u);
    for (int row = 1; row <= 3; ++row) {
        grid->SetRow(row);
        dialog->plButton2->Click();
        EXPECT_EQ(dialog->ModalResult(), vcl::mrNone) << row;
    }
}

TEST_F(PatientSearchDialog, ShownModallyItClosesOnAHitAndCancelChangesNothing)
{
    AddPatient({QStringLiteral("20260105090000"), QStringLiteral("21"), QStringLiteral("山田"), {}, {}, {}});
    Search(dialog->Edit1, QStringLiteral("21"));
    EXPECT_EQ(RunModal(*dialog, [&] { dialog->StringGridEx1DblClick(dialog->StringGridEx1); }), vcl::mrOk);
    EXPECT_EQ(dialog->GetSelectedPatient().patient_id, QStringLiteral("21"));

    bool stayedOpen = false;
    EXPECT_EQ(RunModal(*dialog, [&] {
                  dialog->plButton1->Click();
                  dialog->plButton2->Click();
                  stayedOpen = dialog->isVisible();
              }),
              vcl::mrCancel);
    EXPECT_TRUE(stayedOpen);

    Search(dialog->Edit1, QStringLiteral("21"));
    EXPECT_EQ(RunModal(*dialog, [&] { dialog->plButton3->Click(); }), vcl::mrCancel);
    EXPECT_EQ(dialog->Edit1->text(), QStringLiteral("21"));
    EXPECT_EQ(RowText(1).at(0), QStringLiteral("21"));
}

TEST_F(PatientSearchDialog, AFailedSearchIsReportedNotShownAsNoHits)
{
    ASSERT_EQ(store->OpenDatabase(), 0);
    ASSERT_TRUE(Raw().Exec(QStringLiteral("DROP TABLE patient")));
    Search(dialog->Edit2, QStringLiteral("山"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.last().caption, QStringLiteral("患者検索"));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("patient"))) << boxes.last().text.toStdString();
    EXPECT_EQ(dialog->StringGridEx1->RowCount(), 11);
}
