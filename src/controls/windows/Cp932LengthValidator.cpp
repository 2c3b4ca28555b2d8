#include "Cp932LengthValidator.h"

#include "Cp932.h"

#include <QApplication>
#include <QLineEdit>

QValidator::State TCp932LengthValidator::validate(QString& input, int& position) const
{
    const vcl::TFittedEdit fitted = vcl::FitCp932Edit(accepted_, input, maxBytes_, vcl::ControlCharacters::Refused);
    if (fitted.Text != input) {
        input = fitted.Text;
        position = fitted.Cursor;
    }
    accepted_ = fitted.Text;
    if (fitted.Refused)
        QApplication::beep();
    return Acceptable;
}

void LimitToCp932Bytes(QLineEdit* edit, int maxBytes)
{
    // The validator cuts by bytes; QLineEdit's own limit counts characters
    // and would cut a paste before it, without a beep.
    edit->setMaxLength(32767);
    edit->setValidator(new TCp932LengthValidator(maxBytes, edit->text(), edit));
}
