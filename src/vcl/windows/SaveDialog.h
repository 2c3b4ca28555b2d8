#pragma once
// The program's save dialog: the folder it opens in, the file name it
// proposes and the filter. The service behind it is replaceable, so tests
// choose a file without a dialog ever showing.
#include <QString>

namespace vcl {

struct TSaveDialogRequest {
    QString Title;
    QString Folder;      // where the dialog opens
    QString FileName;    // the name it proposes
    QString Filter;      // "CSV files (*.csv *.CSV)"
};

class SaveDialogService {
public:
    virtual ~SaveDialogService() = default;
    // The chosen full file name; empty when the user cancelled.
    virtual QString Ask(const TSaveDialogRequest& request) = 0;
};

QString AskSaveFileName(const TSaveDialogRequest& request);

// Installs a service (nullptr restores the real dialog); returns the previous
// one, nullptr when that was the real one. The caller keeps ownership.
SaveDialogService* SetSaveDialogService(SaveDialogService* service);

} // namespace vcl
