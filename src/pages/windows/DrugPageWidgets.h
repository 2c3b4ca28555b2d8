#pragma once
// The controls the drug page is laid out with, placed at absolute positions
// as its design gives them, and the radio groups with "neither selected".
#include <QRect>
#include <QString>
#include <span>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace drugpage {

QComboBox* AddCombo(QWidget* parent, const QString& name, int left, int top, int width);
QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& text, int left, int top, int width);
QLineEdit* AddReadOnlyEdit(QWidget* parent, const QString& name, int left, int top, int width);
QGroupBox* AddGroup(QWidget* parent, const QString& name, const QString& title, const QRect& geometry);

void SetPointSize(QWidget* widget, int pointSize);

// The checked radio's position, -1 when none is.
int CheckedIndex(std::span<QRadioButton* const> radios);
// Checks the radio at index, or unchecks all for -1 (which an auto-exclusive
// group does not do by itself). Runs no click handler.
void CheckRadio(std::span<QRadioButton* const> radios, int index);

} // namespace drugpage
