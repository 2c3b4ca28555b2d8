#pragma once
// The program's save dialog: the folder it opens in, the file name it
// proposes and the filter. The service behind it is replaceable, so tests
// choose a file without a dialog ever showing.
#include <QString>
#include <memory>

class QFileDialog;
class QWidget;

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

// The dialog AskSaveFileName shows, not yet shown: its dates in the program's
// locale, its side panel as wide as its entries, and once a folder is listed
// its columns as wide as their texts and the dialog wide enough for them.
std::unique_ptr<QFileDialog> NewSaveDialog(const TSaveDialogRequest& request, QWidget* parent = nullptr);

// Installs a service (nullptr restores the real dialog); returns the previous
// one, nullptr when that was the real one. The caller keeps ownership.
SaveDialogService* SetSaveDialogService(SaveDialogService* service);

} // namespace vcl
