// The program entry: the application object, every window once, the event loop.
#include "ApplicationForms.h"
#include "TApplication.h"
#include "Tdm_main.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    int result = 1;
    try {
        CreateApplicationForms();
        if (OpenCaseDatabaseAtStart()) {
            frmMain->show();
            result = app.exec();
        }
    } catch (const std::exception& error) {
        ShowException(error);
    }
    DestroyApplicationForms();
    return result;
}
