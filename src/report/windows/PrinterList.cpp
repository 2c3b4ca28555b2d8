#include "PrinterList.h"

#include <QPrinterInfo>

namespace {

class PlatformPrinters : public PrinterListSource {
public:
    std::vector<TPrinterEntry> Printers() const override
    {
        std::vector<TPrinterEntry> printers;
        for (const QString& name : QPrinterInfo::availablePrinterNames())
            printers.push_back({name, TPrinterKind::System});
        printers.push_back({PdfPrinterName, TPrinterKind::PdfFile});
        return printers;
    }
    QString CurrentPrinterName() const override { return QPrinterInfo::defaultPrinterName(); }
};

const PlatformPrinters platformPrinters;
const PrinterListSource* currentSource = &platformPrinters;

} // namespace

std::vector<TPrinterEntry> PrinterList()
{
    return currentSource->Printers();
}

QString CurrentPrinterName()
{
    return currentSource->CurrentPrinterName();
}

const PrinterListSource* SetPrinterListSource(const PrinterListSource* source)
{
    const PrinterListSource* previous = currentSource;
    currentSource = source ? source : &platformPrinters;
    return previous == &platformPrinters ? nullptr : previous;
}
