#pragma once
// TQuickReport1: the printed report. The content comes laid out band by band
// from the report's logic (BuildReportContent); this object paginates it and
// draws it with QPainter on a printer chosen by name or into a PDF file:
// A4 portrait, 10 mm margins, report pixels at 96 per inch.
#include "ReportContent.h"

#include <QObject>
#include <QString>

class QPagedPaintDevice;

class TQuickReport1 : public QObject {
    Q_OBJECT

public:
    explicit TQuickReport1(QObject* parent = nullptr);

    // Each returns false, with the reason in `errorText` when given, when
    // the output could not be made; a PDF file is written whole or not at
    // all, and then the text says what failed and what to do.
    bool PrintToPdf(const TReportInput& input, const QString& fileName, QString* errorText = nullptr);
    bool PrintToPrinter(const TReportInput& input, const QString& printerName, QString* errorText = nullptr);

    // Lays out and draws the content on a device whose page layout is set.
    static bool Render(const TReportContent& content, QPagedPaintDevice& device, QString* errorText = nullptr);
};

extern TQuickReport1* QuickReport1;
