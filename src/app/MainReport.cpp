// The main window's side of the printed report: what the report is made of,
// read from the case and the pages in one place, so the report itself never
// reads a widget.
#include "Tdm_main.h"

#include "Clock.h"
#include "ConcentrationDispatch.h"
#include "CsvExport.h"
#include "DateTimeFormat.h"
#include "DrugMaster.h"
#include "MessageBox.h"
#include "PrinterList.h"
#include "ReportContent.h"
#include "ResultPage.h"
#include "SaveDialog.h"
#include "ScheduleSetOps.h"
#include "Ucommon.h"
#include "plButton.h"
#include "uCommentSet.h"
#include "uDataBase.h"
#include "uDispParam.h"
#include "uRep.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace {

const QString ErrorCaption = QStringLiteral("エラー");

// "yyyymmddhhnnss" of now and the extension: the name the save dialogs propose.
QString TimeStampedName(const QString& extension)
{
    return vcl::FormatDateTime(QStringLiteral("yyyymmddhhnnss"), vcl::Now()) + extension;
}

// Enables the button again however the command ends.
class TDisabledWhileRunning {
public:
    explicit TDisabledWhileRunning(TplButton* button) : button_(button) { button_->setEnabled(false); }
    ~TDisabledWhileRunning() { button_->setEnabled(true); }
    TDisabledWhileRunning(const TDisabledWhileRunning&) = delete;
    TDisabledWhileRunning& operator=(const TDisabledWhileRunning&) = delete;

private:
    TplButton* button_;
};

// The text the drug page's list shows for a 1-based position.
QString ListText(const QStringList& list, int id)
{
    return id >= 1 && id <= list.size() ? list[id - 1] : QString();
}

} // namespace

TReportInput TfrmMain::ReportInput()
{
    TReportInput input;
    input.Today = vcl::Date();
    input.Patient = CurrentPatient;
    input.Analysis = CurrentAnalysis;
    // The drug page's lists are filled from the drug master, so the entries
    // at the analysis's key are what its three lists show.
    QStringList list;
    FillCategoryList(list);
    input.KubunText = ListText(list, CurrentAnalysis.kubun_id);
    FillDrugList(list, CurrentAnalysis.kubun_id);
    input.IppanText = ListText(list, CurrentAnalysis.yakuzainame_id);
    FillProductList(list, CurrentAnalysis.kubun_id, CurrentAnalysis.yakuzainame_id);
    input.SyouhinText = ListText(list, CurrentAnalysis.yakuhinname_id);
    input.Prescriptions = ScheduleSets.PrescriptionLists;
    input.Samplings = ScheduleSets.Samplings;
    input.LastSetIndex = LastScheduleSetIndex(ScheduleSets);
    input.Display = ReportDisplayOptions();
    input.GraphLayers = GraphLayerPicturesOf(TabSheet4->Graph());
    input.Comment = CurrentAnalysis.comment;
    return input;
}

TReportDisplayOptions TfrmMain::ReportDisplayOptions() const
{
    const TGraphDisplayOptions shown = TabSheet4->DisplayOptions();
    return TReportDisplayOptions{shown.Sets, shown.Patient, shown.Population, shown.Solid, shown.Dotted};
}

void TfrmMain::plButton13Click(QObject*)
{
    frmDispParam->ShowModal();
}

// The print command: the print settings dialog, the comment stored with the
// analysis, then the report on the chosen printer (or into a PDF file).
void TfrmMain::plButton12Click(QObject*)
{
    frmCommentSet->Memo1->setPlainText(CurrentAnalysis.comment);
    SelectPrinter(*frmCommentSet, -1, TPrinterPreselection::Replace);
    if (frmCommentSet->ShowModal() != vcl::mrOk)
        return;
    const std::optional<TPrinterEntry> printer = frmCommentSet->SelectedPrinter();
    if (!printer)
        return;
    const TDisabledWhileRunning printing(TabSheet4->plButton12);

    // The comment is stored before printing, so a failed print keeps it.
    CurrentAnalysis.comment = frmCommentSet->Memo1->toPlainText();
    if (DataModule1->SaveAnalysis(CurrentAnalysis) != 0)
        vcl::ShowError(DataModule1->LastFailureText(), ErrorCaption);
    SelectPrinter(*frmCommentSet, frmCommentSet->ComboBox10->currentIndex(), TPrinterPreselection::Replace);

    QString error;
    bool printed = true;
    if (printer->Kind == TPrinterKind::PdfFile) {
        const QString fileName = vcl::AskSaveFileName({QStringLiteral("PDF保存"), CsvSettings.CsvPath,
                                                       TimeStampedName(QStringLiteral(".pdf")),
                                                       QStringLiteral("PDF files (*.pdf *.PDF)")});
        if (fileName.isEmpty())
            return;
        printed = QuickReport1->PrintToPdf(ReportInput(), fileName, &error);
    } else {
        printed = QuickReport1->PrintToPrinter(ReportInput(), printer->Name, &error);
    }
    if (!printed)
        vcl::ShowError(QStringLiteral("印刷できませんでした。\n") + error, ErrorCaption);
}

TCsvInput TfrmMain::CsvInput() const
{
    TCsvInput input;
    input.Patient = CurrentPatient;
    input.Analysis = CurrentAnalysis;
    input.Prescriptions = ScheduleSets.PrescriptionLists[0];
    input.Administrations = ScheduleSets.ScheduleDayLists[0];
    input.Samplings = ScheduleSets.Samplings;
    input.GraphFirstDay = graph_.GraphFirstDay;
    input.GraphViewDays = graph_.GraphViewDays;
    input.CsvRange = CsvSettings.CsvRange;
    input.CsvStep = CsvSettings.CsvStep;
    return input;
}

void TfrmMain::plButton44Click(QObject*)
{
    const QString fileName = vcl::AskSaveFileName({QStringLiteral("CSV出力"), CsvSettings.CsvPath,
                                                   TimeStampedName(QStringLiteral(".csv")),
                                                   QStringLiteral("CSV files (*.csv *.CSV)")});
    if (fileName.isEmpty())
        return;
    // Every prediction is for the patient's own schedule, set 0.
    const TEngineContext patientSchedule = EngineContext().OnSet(0);
    const TConcentrationAt concentration = [&patientSchedule](int minutes, const TParamBlock& block) {
        return ::ConcentrationAt(patientSchedule, minutes, nullptr, nullptr, nullptr, 0, block);
    };
    QString error;
    if (!WriteCsvReport(CsvInput(), concentration, fileName, &error))
        vcl::ShowError(QStringLiteral("CSVファイルを書き込めませんでした。\n") + error, ErrorCaption);
}
