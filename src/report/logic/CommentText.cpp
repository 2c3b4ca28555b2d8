#include "CommentText.h"

#include "Cp932.h"

#include <algorithm>

namespace {

QString EncodableOnly(const QString& text)
{
    QString kept;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (vcl::IsCp932Encodable(character))
            kept += character;
        i += length;
    }
    return kept;
}

} // namespace

TFittedEdit FitCommentEdit(const QString& before, const QString& after, int maxBytes)
{
    // The edit replaced before[prefix, before.size() - suffix) by after[prefix, after.size() - suffix).
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    if (prefix > 0 && after[prefix - 1].isHighSurrogate())
        --prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    if (suffix > 0 && after[after.size() - suffix].isLowSurrogate())
        --suffix;

    const QString head = after.left(prefix);
    const QString tail = after.right(suffix);
    const QString inserted = after.mid(prefix, after.size() - prefix - suffix);
    const QString encodable = EncodableOnly(inserted);
    const int free = maxBytes - vcl::Cp932Length(head) - vcl::Cp932Length(tail);
    const QString kept = vcl::CutToCp932Bytes(encodable, std::max(free, 0));

    TFittedEdit fitted;
    fitted.Text = head + kept + tail;
    fitted.Cursor = static_cast<int>(head.size() + kept.size());
    fitted.Refused = kept != inserted;
    if (vcl::Cp932Length(fitted.Text) > maxBytes) {
        // A text that was too long already (one set as a whole) keeps its head.
        fitted.Text = vcl::CutToCp932Bytes(EncodableOnly(fitted.Text), maxBytes);
        fitted.Cursor = static_cast<int>(fitted.Text.size());
        fitted.Refused = true;
    }
    return fitted;
}
