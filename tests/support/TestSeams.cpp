#include "TestSeams.h"

#include <QFile>
#include <QFileInfo>

#ifdef __linux__
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace testing_seams {

FixedClock::FixedClock(vcl::TDateTime now) : now_(now), previous_(vcl::SetClock(this)) {}

FixedClock::~FixedClock()
{
    vcl::SetClock(previous_);
}

TempBaseDir::TempBaseDir() : previousConfig_(qgetenv("XDG_CONFIG_HOME"))
{
    vcl::SetAppBaseDir(dir_.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
}

TempBaseDir::~TempBaseDir()
{
    vcl::SetAppBaseDir(QString());
    if (previousConfig_.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", previousConfig_);
}

#ifdef __linux__
namespace {

constexpr unsigned FileOverrideCapabilities = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

bool SetFileOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (on)
        data[0].effective |= FileOverrideCapabilities & data[0].permitted;
    else
        data[0].effective &= ~FileOverrideCapabilities;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

FilePermissionsEnforced::FilePermissionsEnforced() : dropped_(geteuid() == 0 && SetFileOverride(false)) {}

FilePermissionsEnforced::~FilePermissionsEnforced()
{
    if (dropped_)
        SetFileOverride(true);
}
#else
FilePermissionsEnforced::FilePermissionsEnforced() = default;
FilePermissionsEnforced::~FilePermissionsEnforced() = default;
#endif

bool SetWriteProtection(const QString& path, Protection protection)
{
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup
                                           | QFileDevice::ReadOther;
    if (QFileInfo(path).isDir())
        permissions |= QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    if (protection == Protection::Writable)
        permissions |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    return QFile::setPermissions(path, permissions);
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(vcl::SetMessageBoxService(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    vcl::SetMessageBoxService(previous_);
}

int ScriptedMessageBoxes::Show(const QString& text, const QString& caption, int flags)
{
    shown_.push_back({text, caption, flags});
    if (answers_.empty())
        return vcl::IDOK;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

ScriptedModals::ScriptedModals() : previous_(vcl::SetModalService(this)) {}

ScriptedModals::~ScriptedModals()
{
    vcl::SetModalService(previous_);
}

int ScriptedModals::ShowModal(vcl::TForm& form)
{
    const auto answer = answers_.find(form.objectName());
    if (answer == answers_.end())
        return previous_ ? previous_->ShowModal(form) : form.exec();
    shown_.append(form.objectName());
    return answer->second;
}

} // namespace testing_seams
