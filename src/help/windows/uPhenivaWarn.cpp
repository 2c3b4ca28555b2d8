#include "uPhenivaWarn.h"

#include "HelpTexts.h"

#include <QLabel>
#include <QScrollArea>

TfrmPhenivaWarn* frmPhenivaWarn = nullptr;

TfrmPhenivaWarn::TfrmPhenivaWarn(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmPhenivaWarn"),
                    FosphenytoinProductName() + QStringLiteral("静注体重別投与量換算表"), Placement::OverMainWindow,
                    Layer::StaysOnTop)
{
    auto* table = new QLabel(FosphenytoinDoseTableText());
    table->setObjectName(QStringLiteral("Image1"));
    table->setMargin(24);
    AddScrollingPicture(QStringLiteral("ScrollBox1"), table, 480, 200);
}
