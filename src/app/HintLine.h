#pragma once
// Writes the hint of the control under the pointer into the main window's hint
// line. One filter on the application sees every widget, so a control that is
// built later finds its sentence by its name alone; nothing clears the line
// when the pointer leaves a control.
#include <QObject>
#include <QString>
#include <optional>

class QLabel;
class QWidget;

class THintLine : public QObject {
public:
    // Hints for the controls of `window`, shown in `line`.
    THintLine(QWidget* window, QLabel* line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The sentence of the control a widget belongs to; nothing when it has none.
    std::optional<QString> HintOf(QWidget* control) const;
    void Show(QWidget* control);

    QWidget* window_;
    QLabel* line_;
};
