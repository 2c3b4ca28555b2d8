#pragma once
// Colours written as text, as stored window descriptions and list cells hold
// them: an identifier such as "clRed" or "clBtnFace" (any letter case), or a
// number, decimal or hexadecimal with "$" or "0x".
#include "Colors.h"

#include <QString>

namespace vcl {

// False, leaving `color` alone, when the text is neither a name nor a number.
bool TryStringToColor(const QString& text, TColor& color);

} // namespace vcl
