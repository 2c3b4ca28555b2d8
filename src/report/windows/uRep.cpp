#include "uRep.h"

#include "Fonts.h"
#include "GraphPicture.h"
#include "ReportLayout.h"
#include "WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextOption>

TQuickReport1* QuickReport1 = nullptr;

namespace {

QPageLayout ReportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void Fail(QString* errorText, const QString& reason)
{
    if (errorText)
        *errorText = reason;
}

Qt::Alignment AlignmentOf(TTextAlign align)
{
    switch (align) {
    case TTextAlign::Right:
        return Qt::AlignRight;
    case TTextAlign::Center:
        return Qt::AlignHCenter;
    case TTextAlign::Left:
        break;
    }
    return Qt::AlignLeft;
}

void UseFont(QPainter& painter, const TReportControl& control)
{
    QFont font = vcl::ProgramFont();
    font.setPixelSize(control.FontPixels);
    font.setBold(control.Bold);
    painter.setFont(font);
    painter.setPen(vcl::ToQColor(control.Color));
}

// The comment box is as large as the band leaves room for, and a comment may
// fill its whole field: the text is wrapped at word boundaries (inside a word
// too long for a line as well) at the largest font size, from the design's
// down, at which all of it fits the box, so nothing typed is cut off.
void DrawMemo(QPainter& painter, const TReportControl& control)
{
    constexpr int SmallestFontPixels = 6;
    const QRectF box(control.Rect);
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    TReportControl sized = control;
    for (; sized.FontPixels > SmallestFontPixels; --sized.FontPixels) {
        UseFont(painter, sized);
        if (painter.boundingRect(box, control.Text, option).height() <= box.height())
            break;
    }
    UseFont(painter, sized);
    painter.save();
    painter.setClipRect(box);
    painter.drawText(box, control.Text, option);
    painter.restore();
}

void DrawControl(QPainter& painter, const TReportControl& control, const TReportDetail* detail, int pageNumber)
{
    if (!control.Enabled)
        return;
    switch (control.Kind) {
    case TReportControlKind::Label:
        UseFont(painter, control);
        painter.drawText(control.Rect, AlignmentOf(control.Align) | Qt::AlignVCenter | Qt::TextDontClip |
                                           Qt::TextSingleLine,
                         control.Text);
        break;
    case TReportControlKind::PageNumber:
        UseFont(painter, control);
        painter.drawText(control.Rect, AlignmentOf(control.Align) | Qt::AlignVCenter | Qt::TextDontClip,
                         QString::number(pageNumber));
        break;
    case TReportControlKind::Memo:
        DrawMemo(painter, control);
        break;
    case TReportControlKind::Shape:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(control.Rect.adjusted(0, 0, -1, -1));
        break;
    case TReportControlKind::Picture:
        // Lines and texts drawn by the graph's painter at the device's own resolution.
        if (const TGraphPicture* picture = detail ? detail->PictureOf(control.Name) : nullptr) {
            painter.save();
            painter.setClipRect(control.Rect);
            PaintGraphPicture(painter, *picture, control.Rect);
            painter.restore();
        }
        break;
    }
}

// `detail` holds the pictures of a detail band's graph; nullptr for other bands.
void DrawBand(QPainter& painter, const TReportBand& band, int top, const TReportDetail* detail, int pageNumber)
{
    painter.save();
    painter.translate(0, top);
    for (const TReportControl& control : band.Controls)
        DrawControl(painter, control, detail, pageNumber);
    painter.restore();
}

} // namespace

TQuickReport1::TQuickReport1(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("QuickReport1"));
}

bool TQuickReport1::Render(const TReportContent& content, QPagedPaintDevice& device, QString* errorText)
{
    // The body bands in print order: the title, one block per printed set, the summary.
    std::vector<const TReportBand*> body;
    std::vector<const TReportDetail*> details;
    body.push_back(&content.Title);
    details.push_back(nullptr);
    for (const TReportDetail& detail : content.Details) {
        body.push_back(&detail.Band);
        details.push_back(&detail);
    }
    body.push_back(&content.Summary);
    details.push_back(nullptr);
    std::vector<int> heights;
    for (const TReportBand* band : body)
        heights.push_back(band->Height);
    const std::vector<TReportPageLayout> pages =
        LayoutReport(heights, content.PageHeader.Height, content.PageFooter.Height);

    QPainter painter;
    if (!painter.begin(&device)) {
        Fail(errorText, QStringLiteral("出力先を開けませんでした。"));
        return false;
    }
    painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !device.newPage()) {
            painter.end();
            Fail(errorText, QStringLiteral("次のページを始められませんでした。"));
            return false;
        }
        const int pageNumber = static_cast<int>(page) + 1;
        const TReportPageLayout& layout = pages[page];
        DrawBand(painter, content.PageHeader, layout.HeaderTop, nullptr, pageNumber);
        for (const TPlacedBand& placed : layout.Bands) {
            const auto index = static_cast<std::size_t>(placed.Band);
            DrawBand(painter, *body[index], placed.Top, details[index], pageNumber);
        }
        DrawBand(painter, content.PageFooter, layout.FooterTop, nullptr, pageNumber);
    }
    if (!painter.end()) {
        Fail(errorText, QStringLiteral("出力を終えられませんでした。"));
        return false;
    }
    return true;
}

bool TQuickReport1::PrintToPdf(const TReportInput& input, const QString& fileName, QString* errorText)
{
    // The PDF is made in memory and then written whole, so a failed write
    // leaves no broken file and an earlier file of that name as it was.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(ReportPageLayout());
        writer.setTitle(QStringLiteral("解析結果報告書"));
        writer.setCreator(QStringLiteral("Quorvel"));
        QString reason;
        if (!Render(BuildReportContent(input), writer, &reason)) {
            Fail(errorText, QStringLiteral("%1: %2").arg(
                                QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason));
            return false;
        }
    }
    if (const std::optional<vcl::TWriteFailure> failure = vcl::WriteWholeFile(fileName, pdf.data())) {
        Fail(errorText, vcl::WriteFailureText(*failure));
        return false;
    }
    return true;
}

bool TQuickReport1::PrintToPrinter(const TReportInput& input, const QString& printerName, QString* errorText)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        Fail(errorText, QStringLiteral("プリンター「%1」が見つかりません。").arg(printerName));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout());
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setDocName(QStringLiteral("解析結果報告書"));
    QString reason;
    if (!Render(BuildReportContent(input), printer, &reason)) {
        Fail(errorText, QStringLiteral("%1: %2").arg(printerName, reason));
        return false;
    }
    return true;
}
