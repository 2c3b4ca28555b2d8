#include "uVmaxHelp.h"

#include "HelpTexts.h"

TfrmVmaxHelp* frmVmaxHelp = nullptr;

TfrmVmaxHelp::TfrmVmaxHelp(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmVmaxHelp"), QStringLiteral("Vmaxヘルプ"),
                    Placement::ScreenCentre, Layer::Normal)
{
    AddPicture(QStringLiteral("Image1"), VmaxHelpText());
}
