#pragma once
// The seams a test sets up: a fixed clock, a temporary base folder and
// scripted message boxes. Each restores the real service when it goes.
#include "AppPaths.h"
#include "Clock.h"
#include "Forms.h"
#include "MessageBox.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <map>
#include <vector>

namespace testing_seams {

class FixedClock : public vcl::Clock {
public:
    explicit FixedClock(vcl::TDateTime now);
    ~FixedClock() override;
    vcl::TDateTime Now() const override { return now_; }
    void Set(vcl::TDateTime now) { now_ = now; }

private:
    vcl::TDateTime now_;
    const vcl::Clock* previous_;
};

// A fresh temporary folder as the program's base folder, and another as the
// per-user configuration folder, so no test reads the settings of the user
// who runs it.
class TempBaseDir {
public:
    TempBaseDir();
    ~TempBaseDir();
    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }
    QString ConfigPath() const { return config_.path(); }

private:
    QTemporaryDir dir_;
    QTemporaryDir config_;
    QByteArray previousConfig_;
};

// While it lives, write-protected files and folders refuse writes from this
// thread even when the tests run as root: the thread's effective capability
// to override file permissions is dropped, and restored afterwards.
class FilePermissionsEnforced {
public:
    FilePermissionsEnforced();
    ~FilePermissionsEnforced();
    FilePermissionsEnforced(const FilePermissionsEnforced&) = delete;
    FilePermissionsEnforced& operator=(const FilePermissionsEnforced&) = delete;

private:
    bool dropped_ = false;
};

// Makes a file or folder read-only for everyone, or writable again by its owner.
enum class Protection { ReadOnly, Writable };
bool SetWriteProtection(const QString& path, Protection protection);

// Records every message box and answers from a script (OK when the script is empty).
class ScriptedMessageBoxes : public vcl::MessageBoxService {
public:
    struct Shown {
        QString text;
        QString caption;
        int flags;
    };

    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;

    void Answer(int answer) { answers_.push_back(answer); }
    int Show(const QString& text, const QString& caption, int flags) override;

    const std::vector<Shown>& shown() const { return shown_; }
    int count() const { return static_cast<int>(shown_.size()); }
    const Shown& last() const { return shown_.back(); }
    void clear() { shown_.clear(); }

private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
    vcl::MessageBoxService* previous_;
};

// Answers the modal show of the dialogs it names (by object name) without
// showing them, and records it; every other dialog runs its own modal loop.
class ScriptedModals : public vcl::ModalService {
public:
    ScriptedModals();
    ~ScriptedModals() override;

    void Answer(const QString& formName, int result) { answers_[formName] = result; }
    int ShowModal(vcl::TForm& form) override;

    // The names of the dialogs answered, in order.
    const QStringList& shown() const { return shown_; }

private:
    std::map<QString, int> answers_;
    QStringList shown_;
    vcl::ModalService* previous_;
};

} // namespace testing_seams
