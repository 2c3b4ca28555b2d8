#pragma once
// A text field of fixed width in bytes, as the database rows and the report
// expect: the text is kept in Unicode, but never longer than the field's
// usable length (width - 1) counted in CP932 bytes, cut on a character
// boundary when it is set. A JIS form CP932 lacks is kept as its CP932 twin
// (vcl::WithCp932Twins), as the fields that feed the records take it.
#include "Cp932.h"

#include <QString>

template <int Width>
class TFixedText {
    static_assert(Width >= 2, "a field holds at least one byte and its terminator");

public:
    static constexpr int UsableBytes = Width - 1;

    TFixedText() = default;
    TFixedText(const QString& text) : text_(vcl::CutToCp932Bytes(vcl::WithCp932Twins(text), UsableBytes)) {}
    TFixedText(const char16_t* text) : TFixedText(QString::fromUtf16(text)) {}
    TFixedText(const char* utf8) : TFixedText(QString::fromUtf8(utf8)) {}

    TFixedText& operator=(const QString& text)
    {
        text_ = vcl::CutToCp932Bytes(vcl::WithCp932Twins(text), UsableBytes);
        return *this;
    }

    const QString& text() const { return text_; }
    operator const QString&() const { return text_; }
    bool isEmpty() const { return text_.isEmpty(); }
    void clear() { text_.clear(); }

    friend bool operator==(const TFixedText& a, const TFixedText& b) { return a.text_ == b.text_; }
    friend bool operator==(const TFixedText& a, const QString& b) { return a.text_ == b; }

private:
    QString text_;
};
