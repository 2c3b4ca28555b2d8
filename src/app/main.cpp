// The program entry: the application object, every window once, the event loop.
#include "ApplicationForms.h"
#include "MessageBox.h"
#include "TApplication.h"
#include "Tdm_main.h"
#include "uDataBase.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    int result = 1;
    try {
        CreateApplicationForms();
        // A working file without the case tables would make every save fail
        // unseen: say so now and stop.
        if (DataModule1->OpenDatabase() != 0) {
            vcl::ShowError(DataModule1->LastError(), QStringLiteral("エラー"));
        } else {
            frmMain->show();
            result = app.exec();
        }
    } catch (const std::exception& error) {
        ShowException(error);
    }
    DestroyApplicationForms();
    return result;
}
