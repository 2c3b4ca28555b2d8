#pragma once
// The report comment as the print settings dialog takes it: at most 800
// bytes in CP932 (the analysis record's field), whole characters only, and
// only characters CP932 can hold, the JIS forms as their twins.
#include "Cp932.h"

#include <QString>

inline constexpr int CommentMaxBytes = 800;

using TFittedEdit = vcl::TFittedEdit;

// The text after an edit, `before` being the last accepted text: what the
// edit inserted takes the JIS forms as their twins ("10〜15 µg/mL" as
// "10～15 μg/mL"), loses the characters CP932 cannot encode even so and is
// cut to the bytes still free; the rest of the text stays as it was. Line breaks (and
// the other control characters) are kept.
TFittedEdit FitCommentEdit(const QString& before, const QString& after, int maxBytes = CommentMaxBytes);
