#pragma once
// The printed report as bands of controls, the way the report form is laid
// out: each band has its height and its controls (captions, data labels, the
// graph picture, the comment box), positioned in report pixels (96 per inch)
// from the band's top-left corner. The design functions give a fresh band as
// designed; the content builder fills copies of them, one per band instance,
// and the renderer only draws what the copies hold.
#include "Colors.h"

#include <QRect>
#include <QString>
#include <vector>

enum class TReportBandKind { PageHeader, Title, Detail, Summary, PageFooter };

enum class TReportControlKind {
    Label,       // one line of text
    Memo,        // text wrapped at words inside its rectangle
    Shape,       // a rectangle outline
    Picture,     // the detail's graph, drawn by the graph's painter
    PageNumber,  // the number of the page being printed
};

enum class TTextAlign { Left, Right, Center };

struct TReportControl {
    QString Name;                      // the component's name; empty for a fixed caption
    TReportControlKind Kind = TReportControlKind::Label;
    QRect Rect;                        // report pixels within the band
    QString Text;
    int FontPixels = 12;
    bool Bold = false;
    vcl::TColor Color = vcl::clBlack;
    TTextAlign Align = TTextAlign::Left;
    bool Enabled = true;               // printed or skipped
};

struct TReportBand {
    TReportBandKind Kind = TReportBandKind::Title;
    int Height = 0;
    std::vector<TReportControl> Controls;

    // The control of that name, or nullptr.
    TReportControl* Find(const QString& name);
    const TReportControl* Find(const QString& name) const;
};

// The control named prefix + index, or prefix + row + column
// ("QRLbSchedule", 2, 4 is QRLbSchedule24); nullptr when the band has none.
TReportControl* SetQrl(TReportBand& band, const QString& prefix, int index);
TReportControl* SetQrl(TReportBand& band, const QString& prefix, int row, int column);

// The bands as designed.
TReportBand PageHeaderBand1();
TReportBand TitleBand1();
TReportBand DetailBand1();
TReportBand QRBand1();
TReportBand PageFooterBand1();

// The detail band's table sizes.
inline constexpr int ReportScheduleRows = 5;
inline constexpr int ReportScheduleColumns = 6;
inline constexpr int ReportSamplingRows = 8;
inline constexpr int ReportSamplingColumns = 3;
inline constexpr int ReportParamRows = 5;
inline constexpr int ReportParamColumns = 5;

// The graph pictures `QRImage1` and `QRImage2`.
inline constexpr int ReportGraphWidth = 640;
inline constexpr int ReportGraphHeight = 360;
