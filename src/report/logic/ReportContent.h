#pragma once
// What the printed report says, band instance by band instance, computed from
// a plain picture of the case: the records, the schedule sets, the drug
// page's texts, the result page's display options and graph layers, and the
// comment. Nothing here reads a window, so the report's content is tested on
// its own and printed the same on paper and in a PDF.
#include "DateTime.h"
#include "ReportBands.h"
#include "ReportGraph.h"
#include "Udifine.h"
#include "Ustruct.h"

#include <QString>
#include <array>
#include <vector>

// The result page's display options, as its check boxes are ticked.
struct TReportDisplayOptions {
    std::array<bool, ScheduleSetCount> SetTicked{true, true, true, true};   // CheckBox10 .. CheckBox13
    bool PatientCurve = true;      // CheckBox1 "患者"
    bool PopulationCurve = true;   // CheckBox2 "母集団"
    bool SolidCurve = true;        // CheckBox4 "血中 (実線)" / "補正前(実線)"
    bool DottedCurve = true;       // CheckBox5 "末梢 (点線)" / "補正後(点線)"
};

struct TReportInput {
    vcl::TDateTime Today = 0;
    TPatientRecord Patient;
    TAnalysisRecord Analysis;
    // The drug as the drug page names it: category, generic name, product.
    QString KubunText;
    QString IppanText;
    QString SyouhinText;
    std::array<std::vector<TPrescription>, ScheduleSetCount> Prescriptions;
    std::vector<TSamplingRecord> Samplings;
    int LastSetIndex = 0;            // the sets in use are 0 .. LastSetIndex
    TReportDisplayOptions Display;
    TGraphLayerPictures GraphLayers;
    QString Comment;                 // printed under the first block
};

// One detail block: the schedule set it prints, its band and its graph.
struct TReportDetail {
    int SetIndex = 0;
    TReportBand Band;
    TReportGraphRecipe GraphRecipe;
    TGraphPicture QRImage1;          // the graph, drawn into the control's rectangle
    TGraphPicture QRImage2;          // set 0's curve; its control is never printed

    // The picture of the band's picture control of that name, or nullptr.
    const TGraphPicture* PictureOf(const QString& name) const;
};

struct TReportContent {
    TReportBand PageHeader;
    TReportBand Title;
    std::vector<TReportDetail> Details;   // in print order
    TReportBand Summary;
    TReportBand PageFooter;               // `QRSysData1` takes each page's number when printed
};

// Whether set k's block is printed. With set 0 the only set in use, its
// check box is hidden on the result page, and the set counts as ticked.
bool SetIsPrinted(const TReportInput& input, int set);

// The number after the footer's "/": one page for the first printed set
// with the header and the title, one more for the parameter table when only
// one set is printed, one page per set otherwise; one page with no set.
int ReportPageTotal(const TReportInput& input);

TReportContent BuildReportContent(const TReportInput& input);
