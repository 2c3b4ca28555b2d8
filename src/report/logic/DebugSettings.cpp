#include "DebugSettings.h"

#include "AppPaths.h"
#include "IniFile.h"

namespace {
const QString Section = QStringLiteral("DEBUG");
constexpr int DefaultRange = 180;
constexpr int DefaultStep = 5;
} // namespace

TCsvSettings ReadDebugSettings(const QString& settingsFile, const QString& programFolder)
{
    const vcl::TIniFile ini(settingsFile);
    TCsvSettings settings;
    QString folder = programFolder;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    settings.CsvPath = ini.ReadString(Section, QStringLiteral("CSV_Path"), folder);
    settings.CsvRange = ini.ReadInteger(Section, QStringLiteral("CSV_RANGE"), DefaultRange);
    settings.CsvStep = ini.ReadInteger(Section, QStringLiteral("CSV_STEP"), DefaultStep);
    if (settings.CsvStep <= 0)
        settings.CsvStep = DefaultStep;
    return settings;
}

void LoadDebugSettings()
{
    CsvSettings = ReadDebugSettings(vcl::SettingsFilePath(), vcl::AppBaseDir());
}
