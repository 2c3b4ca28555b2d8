#include "SaveDialog.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QScreen>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

namespace vcl {
namespace {

// Columns of QFileSystemModel.
constexpr int SizeColumn = 1;
constexpr int DateModifiedColumn = 3;

// Qt's file model writes its sizes and dates in the platform's locale, which
// may be C ("0 bytes", "9 Dec 2025 17:43:47"); the dialog shows them in the
// program's own.
class TProgramLocaleColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!files || role != Qt::DisplayRole)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex file = mapToSource(index);
        if (index.column() == DateModifiedColumn)
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        if (index.column() == SizeColumn && !files->isDir(file))
            return QLocale().formattedDataSize(files->size(file));
        return QIdentityProxyModel::data(index, role);
    }
};

// Wider by `more` pixels, as far as the screen allows.
void Widen(QWidget& dialog, int more)
{
    if (more <= 0)
        return;
    int width = dialog.width() + more;
    if (const QScreen* screen = dialog.screen())
        width = std::min(width, screen->availableGeometry().width() - (dialog.frameGeometry().width() - dialog.width()));
    dialog.resize(std::max(width, dialog.width()), dialog.height());
}

// The side panel as wide as its longest entry.
void FitSidePanel(QFileDialog& dialog)
{
    auto* splitter = dialog.findChild<QSplitter*>();
    if (!splitter || splitter->count() != 2)
        return;
    auto* panel = qobject_cast<QAbstractItemView*>(splitter->widget(0));
    if (!panel)
        return;
    QList<int> sizes = splitter->sizes();
    const int need = panel->sizeHintForColumn(0) + 2 * panel->frameWidth();
    const int more = need - sizes[0];
    if (more <= 0)
        return;
    sizes[0] = need;
    splitter->setSizes(sizes);
    Widen(dialog, more);
}

// The size, type and date columns of the detail view as wide as the
// folder's entries need, and the dialog wide enough to show them beside the
// name.
void FitColumns(QFileDialog& dialog, QTreeView& view)
{
    if (!view.isVisibleTo(&dialog))   // the list view is shown
        return;
    QHeaderView* header = view.header();
    auto& items = static_cast<QAbstractItemView&>(view);
    for (int column = 1; column < header->count(); ++column) {
        const int need = std::max(items.sizeHintForColumn(column), header->sectionSizeHint(column));
        if (!header->isSectionHidden(column) && need > header->sectionSize(column))
            header->resizeSection(column, need);
    }
    Widen(dialog, header->length() - view.viewport()->width());
}

// The side panel is fitted when the dialog shows: laid out by then, and
// not yet on screen.
class TFitSidePanelOnShow : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            FitSidePanel(*static_cast<QFileDialog*>(watched));
        return false;
    }
};

// Qt's own file dialog, unless the platform gives one of its own.
void FitToEntries(QFileDialog& dialog)
{
    auto* view = dialog.findChild<QTreeView*>();
    if (!view)
        return;
    dialog.setProxyModel(new TProgramLocaleColumns(&dialog));
    dialog.installEventFilter(new TFitSidePanelOnShow(&dialog));
    const auto* proxy = qobject_cast<const QAbstractProxyModel*>(view->model());
    if (const auto* files = proxy ? qobject_cast<const QFileSystemModel*>(proxy->sourceModel()) : nullptr)
        QObject::connect(files, &QFileSystemModel::directoryLoaded, &dialog,
                         [&dialog, view] { FitColumns(dialog, *view); });
}

class FileSaveDialogService : public SaveDialogService {
public:
    QString Ask(const TSaveDialogRequest& request) override
    {
        const std::unique_ptr<QFileDialog> dialog = NewSaveDialog(request, QApplication::activeWindow());
        return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
    }
};

FileSaveDialogService fileDialogService;
SaveDialogService* currentService = &fileDialogService;

} // namespace

std::unique_ptr<QFileDialog> NewSaveDialog(const TSaveDialogRequest& request, QWidget* parent)
{
    auto dialog = std::make_unique<QFileDialog>(parent, request.Title, request.Folder, request.Filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    FitToEntries(*dialog);
    dialog->selectFile(QDir(request.Folder).filePath(request.FileName));
    return dialog;
}

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
