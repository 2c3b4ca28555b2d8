#pragma once
// Small helpers that place the common controls of a window at absolute
// positions, as the window designs give them, named after their components.
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;
class TplButton;

QLabel* AddCaption(QWidget* parent, const QString& text, int left, int top);
QLineEdit* AddLineEdit(QWidget* parent, const QString& name, int left, int top, int width);
TplButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                     int height);
