#pragma once
// Text fields measured in CP932 bytes, as the records and the database count
// them: QLineEdit's own maximum counts characters, so a double-byte text
// could take twice the field's width.
#include <QValidator>

class QLineEdit;

// Refuses an edit that would make the text longer than a number of CP932
// bytes (a double-byte character counts two).
class TCp932LengthValidator : public QValidator {
public:
    TCp932LengthValidator(int maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
    State validate(QString& input, int& position) const override;

private:
    int maxBytes_;
};

// The edit takes no input beyond maxBytes CP932 bytes.
void LimitToCp932Bytes(QLineEdit* edit, int maxBytes);
