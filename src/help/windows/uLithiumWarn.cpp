#include "uLithiumWarn.h"

#include "HelpTexts.h"

TfrmLithiumWarn* frmLithiumWarn = nullptr;

TfrmLithiumWarn::TfrmLithiumWarn(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmLithiumWarn"), QStringLiteral("リチウム解析の際の注意事項"),
                    Placement::OverMainWindow, Layer::StaysOnTop)
{
    AddMemo(QStringLiteral("Memo1"), LithiumCautionText(), 16, 520, 330);
}
