#include "Cp932LengthValidator.h"

#include "Cp932.h"

#include <QLineEdit>

QValidator::State TCp932LengthValidator::validate(QString& input, int&) const
{
    return vcl::Cp932Length(input) <= maxBytes_ ? Acceptable : Invalid;
}

void LimitToCp932Bytes(QLineEdit* edit, int maxBytes)
{
    // The byte limit is the stricter one; the character limit only keeps
    // QLineEdit's default of 32767 out of the way.
    edit->setMaxLength(maxBytes);
    edit->setValidator(new TCp932LengthValidator(maxBytes, edit));
}
