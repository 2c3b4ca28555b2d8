#pragma once
// Text fields measured in CP932 bytes, as the records and the database count
// them: QLineEdit's own maximum counts characters, so a double-byte text
// could take twice the field's width.
#include <QString>
#include <QValidator>

class QLineEdit;

// Keeps a one-line field within a number of CP932 bytes (a double-byte
// character counts two): what an edit types or pastes is cut at the last
// whole character that fits, a JIS form CP932 lacks is taken as its CP932
// twin (U+301C WAVE DASH as U+FF5E), characters CP932 cannot hold even so
// and control characters are left out, and anything left out beeps. The
// rest of the text stays as it was.
class TCp932LengthValidator : public QValidator {
public:
    // `accepted`: the text the field holds when the validator is set.
    TCp932LengthValidator(int maxBytes, const QString& accepted, QObject* parent)
        : QValidator(parent), maxBytes_(maxBytes), accepted_(accepted)
    {
    }
    State validate(QString& input, int& position) const override;

private:
    int maxBytes_;
    // The text last taken: what an edit changed is found against it. Every
    // change of the field's text passes through validate.
    mutable QString accepted_;
};

// The edit takes no input beyond maxBytes CP932 bytes.
void LimitToCp932Bytes(QLineEdit* edit, int maxBytes);
