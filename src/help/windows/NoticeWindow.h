#pragma once
// The small fixed windows that only show a text or a picture: a dialog frame
// with the close box alone, no buttons of their own, closed by the close box.
#include "Forms.h"

class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QTextEdit;

// Moves a window to the middle of its screen.
void CentreOnScreen(QWidget& window);

class TNoticeWindow : public vcl::TForm {
    Q_OBJECT

public:
    enum class Placement { OverMainWindow, ScreenCentre };
    enum class Layer { StaysOnTop, Normal };

    TNoticeWindow(QWidget* parent, const QString& name, const QString& caption, Placement placement, Layer layer);

protected:
    void showEvent(QShowEvent* event) override;

    // Contents, each filling the window.
    QPlainTextEdit* AddMemo(const QString& name, const QString& text, int pixelSize, int width, int height);
    QTextEdit* AddRichText(const QString& name, const QString& html, int width, int height);
    // A picture sized to its contents; this edition shows a text in its place.
    QLabel* AddPicture(const QString& name, const QString& standIn);
    // A picture in a scrolling box.
    QScrollArea* AddScrollingPicture(const QString& name, QLabel* picture, int width, int height);

private:
    Placement placement_;
};
