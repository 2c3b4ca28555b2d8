#include "uLithiumWarn2.h"

#include "HelpTexts.h"

TfrmLithiumWarn2* frmLithiumWarn2 = nullptr;

TfrmLithiumWarn2::TfrmLithiumWarn2(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmLithiumWarn2"), QStringLiteral("リチウムの血中濃度測定遵守について"),
                    Placement::OverMainWindow, Layer::StaysOnTop)
{
    AddPicture(QStringLiteral("Image1"), LithiumMonitoringNoticeText());
}
