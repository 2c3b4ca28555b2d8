#pragma once
// A one-line panel that always shows its whole text: where the text is wider
// than the panel at the panel's own font, it is drawn at the largest smaller
// size that fits (the header's patient, drug, product and source panels).
#include <QLabel>

class TFitTextLabel : public QLabel {
    Q_OBJECT

public:
    explicit TFitTextLabel(QWidget* parent = nullptr);

    // The font the text is drawn in: the panel's own, or a smaller size of it.
    QFont FittedFont() const;
    // The width the text may take.
    int TextWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
