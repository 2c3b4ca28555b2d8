#include "uAlbHelpDlg.h"

#include "HelpTexts.h"

TfrmAlbHelpDlg* frmAlbHelpDlg = nullptr;

TfrmAlbHelpDlg::TfrmAlbHelpDlg(QWidget* parent)
    : TNoticeWindow(parent, QStringLiteral("frmAlbHelpDlg"), QStringLiteral("解説"),
                    Placement::ScreenCentre, Layer::StaysOnTop)
{
    AddRichText(QStringLiteral("RichEdit1"), AlbuminCorrectionHelpText(), 480, 220);
}
