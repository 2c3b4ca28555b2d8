// The main window's side of the printed report: what the report is made of,
// read from the case and the pages in one place, so the report itself never
// reads a widget.
#include "Tdm_main.h"

#include "AppPaths.h"
#include "Clock.h"
#include "DateTimeFormat.h"
#include "DrugMaster.h"
#include "MessageBox.h"
#include "ReportContent.h"
#include "ScheduleSetOps.h"
#include "Ucommon.h"
#include "uDispParam.h"
#include "uRep.h"

#include <QFileDialog>

namespace {

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
    input.GraphLayers = ReportGraphLayers();
    input.Comment = CurrentAnalysis.comment;
    return input;
}

TReportDisplayOptions TfrmMain::ReportDisplayOptions() const
{
    // The result page's legend check boxes come with the result page; until
    // they are there every option counts as ticked, as they start.
    return TReportDisplayOptions{};
}

TGraphLayers TfrmMain::ReportGraphLayers() const
{
    // The result page's curve layers come with the graph; until then the
    // report's graph is white.
    return TGraphLayers{};
}

void TfrmMain::plButton13Click(QObject*)
{
    frmDispParam->ShowModal();
}

void TfrmMain::plButton12Click(QObject*)
{
    const QString suggested =
        vcl::AppBaseDir() + QLatin1Char('/') + vcl::FormatDateTime(QStringLiteral("yyyymmddhhnnss"), vcl::Now()) +
        QStringLiteral(".pdf");
    const QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("PDF保存"), suggested,
                                                          QStringLiteral("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    QString error;
    if (!QuickReport1->PrintToPdf(ReportInput(), fileName, &error))
        vcl::ShowError(QStringLiteral("印刷できませんでした。\n") + error, QStringLiteral("エラー"));
}
