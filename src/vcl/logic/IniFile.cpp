#include "IniFile.h"

#include "Cp932.h"
#include "NumberFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace vcl {
namespace {

bool IsSectionHeader(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    if (name)
        *name = t.mid(1, close - 1).trimmed();
    return true;
}

bool SplitKeyValue(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    if (key)
        *key = t.left(eq).trimmed();
    if (value) {
        QString v = t.mid(eq + 1).trimmed();
        if (v.size() >= 2 && ((v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                              || (v.startsWith(QLatin1Char('\'')) && v.endsWith(QLatin1Char('\'')))))
            v = v.mid(1, v.size() - 2);
        *value = v;
    }
    return true;
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

TIniFile::TIniFile(QString fileName) : fileName_(std::move(fileName)) {}

TIniFile::Lines TIniFile::Load() const
{
    Lines content;
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly)) {
        // A file that is there but cannot be read must not be written over
        // with only the new line.
        content.unreadable = QFileInfo(fileName_).isFile();
        return content;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        content.unreadable = true;
        return content;
    }
    // Files written on Windows are CP932; ours are UTF-8. Keep what was found.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = FromCp932(bytes);
        content.cp932 = true;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    content.crlf = bytes.contains("\r\n") || !bytes.contains('\n');
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    content.lines = text.split(QLatin1Char('\n'));
    if (!content.lines.isEmpty() && content.lines.last().isEmpty())
        content.lines.removeLast();
    return content;
}

bool TIniFile::Store(const Lines& content)
{
    if (content.unreadable) {
        const QString shownName = QDir::toNativeSeparators(QFileInfo(fileName_).absoluteFilePath());
        lastFailure_ = TWriteFailure{WriteFailureKind::Failed, shownName, QStringLiteral("ファイルを読み取れません")};
        return false;
    }
    const QString eol = content.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString& line : content.lines)
        text += line + eol;
    lastFailure_ = WriteWholeFile(fileName_, content.cp932 ? ToCp932(text) : text.toUtf8());
    return !lastFailure_;
}

QString TIniFile::LastError() const
{
    return lastFailure_ ? QStringLiteral("%1: %2").arg(lastFailure_->FileName, lastFailure_->Reason) : QString();
}

int TIniFile::FindSection(const QStringList& lines, const QString& section)
{
    QString name;
    for (int i = 0; i < lines.size(); ++i)
        if (IsSectionHeader(lines[i], &name) && SameName(name, section))
            return i;
    return -1;
}

int TIniFile::FindKey(const QStringList& lines, int header, const QString& key, int* end)
{
    int found = -1;
    int lastContent = header;
    for (int i = header + 1; i < lines.size(); ++i) {
        if (IsSectionHeader(lines[i], nullptr))
            break;
        if (!lines[i].trimmed().isEmpty())
            lastContent = i;
        QString k;
        if (found < 0 && SplitKeyValue(lines[i], &k, nullptr) && SameName(k, key))
            found = i;
    }
    if (end)
        *end = lastContent + 1;
    return found;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const
{
    const Lines content = Load();
    const int header = FindSection(content.lines, section);
    if (header < 0)
        return fallback;
    const int line = FindKey(content.lines, header, key, nullptr);
    if (line < 0)
        return fallback;
    QString value;
    SplitKeyValue(content.lines[line], nullptr, &value);
    return value;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const
{
    return StrToIntDef(ReadString(section, key, QString()), fallback);
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double fallback) const
{
    return StrToFloatDef(ReadString(section, key, QString()), fallback);
}

bool TIniFile::SectionExists(const QString& section) const
{
    return FindSection(Load().lines, section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const
{
    const Lines content = Load();
    const int header = FindSection(content.lines, section);
    return header >= 0 && FindKey(content.lines, header, key, nullptr) >= 0;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    return WriteStrings(section, {{key, value}});
}

bool TIniFile::WriteStrings(const QString& section, const TKeyValues& values)
{
    Lines content = Load();
    int header = FindSection(content.lines, section);
    if (header < 0) {
        content.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        header = static_cast<int>(content.lines.size()) - 1;
    }
    for (const auto& [key, value] : values) {
        int end = 0;
        const int line = FindKey(content.lines, header, key, &end);
        if (line >= 0) {
            // Keep the key as it was spelled in the file.
            QString existingKey;
            SplitKeyValue(content.lines[line], &existingKey, nullptr);
            content.lines[line] = existingKey + QLatin1Char('=') + value;
        } else {
            content.lines.insert(end, key + QLatin1Char('=') + value);
        }
    }
    return Store(content);
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::WriteFloat(const QString& section, const QString& key, double value)
{
    return WriteString(section, key, FloatToStr(value));
}

} // namespace vcl
