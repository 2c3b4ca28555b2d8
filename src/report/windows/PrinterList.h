#pragma once
// The printers the print settings dialog offers: the platform's printers in
// its order, then "PDF", which writes the report into a PDF file through a
// save dialog (machines without a printer can still print). The list comes
// from a replaceable source, so tests choose the printers a machine has.
#include <QString>
#include <vector>

enum class TPrinterKind { System, PdfFile };

struct TPrinterEntry {
    QString Name;
    TPrinterKind Kind = TPrinterKind::System;
};

inline const QString PdfPrinterName = QStringLiteral("PDF");

class PrinterListSource {
public:
    virtual ~PrinterListSource() = default;
    virtual std::vector<TPrinterEntry> Printers() const = 0;
    // The platform's current printer (the default one); empty when there is none.
    virtual QString CurrentPrinterName() const = 0;
};

std::vector<TPrinterEntry> PrinterList();
QString CurrentPrinterName();

// Installs a source (nullptr restores the platform's); returns the previous
// one, nullptr when that was the platform's. The caller keeps ownership.
const PrinterListSource* SetPrinterListSource(const PrinterListSource* source);
