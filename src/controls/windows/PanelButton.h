#pragma once
// A panel that paints itself as a shaded button with an embossed caption and
// looks pressed while the left mouse button is held on it. One pressed flag
// is shared by all panel buttons: only one press is shown at a time.
#include "Colors.h"
#include "PanelButtonShading.h"

#include <QWidget>

class TPanelButton : public QWidget {
    Q_OBJECT

public:
    explicit TPanelButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    vcl::TColor Color() const { return color_; }
    void SetColor(vcl::TColor value);
    vcl::TColor FontColor() const { return fontColor_; }
    void SetFontColor(vcl::TColor value);

    // The shared flag: some panel button shows a press.
    static bool PressShown() { return pressShown_; }
    PanelLook Look() const { return look_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawButton(QPainter& painter, PanelLook look);

    QString caption_;
    vcl::TColor color_ = vcl::clBtnFace;
    vcl::TColor fontColor_ = vcl::clWindowText;
    PanelLook look_ = PanelLook::Released;

    static inline bool pressShown_ = false;
};
