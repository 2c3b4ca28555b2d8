#pragma once
#include "DateTime.h"

#include <QString>

namespace vcl {

// Date-time patterns: yyyy, yy, m, mm, d, dd, h, hh, n, nn, s, ss, z, zzz;
// "m"/"mm" right after an hour means minutes; text in double or single quotes
// and every other character is copied. The value is decoded at millisecond
// precision (see DecodeDateTime).
QString FormatDateTime(const QString& pattern, TDateTime value);

} // namespace vcl
