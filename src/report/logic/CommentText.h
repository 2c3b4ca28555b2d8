#pragma once
// The report comment as the print settings dialog takes it: at most 800
// bytes in CP932 (the analysis record's field), whole characters only, and
// only characters CP932 can hold.
#include <QString>

inline constexpr int CommentMaxBytes = 800;

struct TFittedEdit {
    QString Text;
    int Cursor = 0;        // where the cursor goes: after what the edit kept
    bool Refused = false;  // something typed or pasted was left out
};

// The text after an edit, `before` being the last accepted text: what the
// edit inserted loses the characters CP932 cannot encode and is cut to the
// bytes still free; the rest of the text stays as it was.
TFittedEdit FitCommentEdit(const QString& before, const QString& after, int maxBytes = CommentMaxBytes);
