#include "PageWidgets.h"

#include "plButton.h"

#include <QLabel>
#include <QLineEdit>

QLabel* AddCaption(QWidget* parent, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* AddLineEdit(QWidget* parent, const QString& name, int left, int top, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, 24);
    return edit;
}

TplButton* AddButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                     int height)
{
    auto* button = new TplButton(parent);
    button->SetName(name);
    button->CaptionA().SetCaption(caption);
    button->setGeometry(left, top, width, height);
    return button;
}
