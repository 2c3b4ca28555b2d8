#pragma once
// The program's one font family. Every window, the graph and the report name
// it here, so text looks and measures the same on screen, in tests and on paper.
#include <QFont>
#include <QString>

namespace vcl {

inline QString ProgramFontFamily()
{
    return QStringLiteral("IPAPGothic");
}

inline QFont ProgramFont(int pointSize = 9)
{
    return QFont(ProgramFontFamily(), pointSize);
}

} // namespace vcl
