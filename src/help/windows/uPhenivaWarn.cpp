#include "uPhenivaWarn.h"

#include "HelpTexts.h"

#include <QLabel>
#include <QScrollArea>

TfrmPhenivaWarn* frmPhenivaWarn = nullptr;

TfrmPhenivaWarn::TfrmPhenivaWarn(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmPhenivaWarn"),
                    FosphenytoinDoseTableTitle(), Placement::OverMainWindow,
                    Layer::StaysOnTop)
{
    auto* table = new QLabel(FosphenytoinDoseTableText());
    table->setObjectName(QStringLiteral("Image1"));
    table->setMargin(24);
    AddScrollingPicture(QStringLiteral("ScrollBox1"), table, 480, 200);
}
