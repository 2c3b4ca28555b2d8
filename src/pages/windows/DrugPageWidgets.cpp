#include "DrugPageWidgets.h"

#include "PageWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

namespace drugpage {

QComboBox* AddCombo(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setGeometry(left, top, width, 28);
    return combo;
}

QRadioButton* AddRadio(QWidget* parent, const QString& name, const QString& text, int left, int top, int width)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(name);
    radio->setGeometry(left, top, width, 28);
    return radio;
}

QLineEdit* AddReadOnlyEdit(QWidget* parent, const QString& name, int left, int top, int width)
{
    QLineEdit* edit = AddLineEdit(parent, name, left, top, width);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setFixedHeight(28);
    return edit;
}

QGroupBox* AddGroup(QWidget* parent, const QString& name, const QString& title, const QRect& geometry)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(geometry);
    return group;
}

void SetPointSize(QWidget* widget, int pointSize)
{
    QFont font = widget->font();
    font.setPointSize(pointSize);
    widget->setFont(font);
}

int CheckedIndex(std::span<QRadioButton* const> radios)
{
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            return static_cast<int>(i);
    }
    return -1;
}

void CheckRadio(std::span<QRadioButton* const> radios, int index)
{
    if (index >= 0 && index < static_cast<int>(radios.size())) {
        radios[index]->setChecked(true);
        return;
    }
    for (QRadioButton* radio : radios) {
        radio->setAutoExclusive(false);
        radio->setChecked(false);
        radio->setAutoExclusive(true);
    }
}

} // namespace drugpage
