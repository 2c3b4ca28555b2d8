#include "SaveDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace vcl {
namespace {

class FileSaveDialogService : public SaveDialogService {
public:
    QString Ask(const TSaveDialogRequest& request) override
    {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.Title,
                                            QDir(request.Folder).filePath(request.FileName), request.Filter);
    }
};

FileSaveDialogService fileDialogService;
SaveDialogService* currentService = &fileDialogService;

} // namespace

QString AskSaveFileName(const TSaveDialogRequest& request)
{
    return currentService->Ask(request);
}

SaveDialogService* SetSaveDialogService(SaveDialogService* service)
{
    SaveDialogService* previous = currentService;
    currentService = service ? service : &fileDialogService;
    return previous == &fileDialogService ? nullptr : previous;
}

} // namespace vcl
