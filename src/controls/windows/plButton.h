#pragma once
// The push button of every window: it paints its own face (plain or a
// gradient), frame, up to two caption lines and an image, clips itself to a
// rounded region in the rounded styles, looks pressed while the left button is
// held on it, and on a click hands its ModalResult to its dialog before the
// OnClick handler runs. Handlers are the std::function members On...; they run
// guarded, so an exception is reported and never crosses the event loop.
#include "Colors.h"
#include "Events.h"
#include "Forms.h"
#include "plButtonParts.h"

#include <QWidget>
#include <memory>

class QPainter;

class TplButton : public QWidget, public vcl::DialogKeyReceiver {
    Q_OBJECT

public:
    explicit TplButton(QWidget* parent = nullptr);
    ~TplButton() override;

    // Names the button; the first non-empty name also becomes CaptionA's text
    // (a window that sets a caption afterwards replaces it).
    void SetName(const QString& name);

    TplButtonStyle ButtonStyle() const { return buttonStyle_; }
    void SetButtonStyle(TplButtonStyle value);
    TplaGradationStyle GradationStyle() const { return gradationStyle_; }
    void SetGradationStyle(TplaGradationStyle value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value);

    TplBBtnCaption& CaptionA() { return *captionA_; }
    const TplBBtnCaption& CaptionA() const { return *captionA_; }
    void SetCaptionA(const TplBBtnCaption& value);
    TplBBtnCaption& CaptionB() { return *captionB_; }
    const TplBBtnCaption& CaptionB() const { return *captionB_; }
    void SetCaptionB(const TplBBtnCaption& value);

    int CaptionLineSpace() const { return captionLineSpace_; }
    void SetCaptionLineSpace(int value);
    // Rewritten at every paint while CaptionVertCenter is on.
    int CaptionTop() const { return captionTop_; }
    void SetCaptionTop(int value); // also switches CaptionVertCenter off
    int FramePenSize() const { return framePenSize_; }
    void SetFramePenSize(int value);
    int GradationRatio() const { return gradationRatio_; }
    void SetGradationRatio(int value);
    bool CaptionVertCenter() const { return captionVertCenter_; }
    void SetCaptionVertCenter(bool value);
    TplBBtnFrameType FlatFrameType() const { return flatFrameType_; }
    void SetFlatFrameType(TplBBtnFrameType value);
    bool Gradation() const { return gradation_; }
    void SetGradation(bool value); // on switches ParentColor off
    vcl::TColor GradBeginColor() const { return gradBeginColor_; }
    void SetGradBeginColor(vcl::TColor value);
    vcl::TColor GradEndColor() const { return gradEndColor_; }
    void SetGradEndColor(vcl::TColor value);
    vcl::TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(vcl::TColor value);
    // Off: the button neither takes the focus nor answers Enter and Escape,
    // its image does not move when pressed and its disabled look is plain.
    bool HasFocus() const { return hasFocus_; }
    void SetHasFocus(bool value);
    vcl::TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(vcl::TModalResult value);

    TplBBtnImage& Image() { return *image_; }
    const TplBBtnImage& Image() const { return *image_; }
    void SetImage(const TplBBtnImage& value);

    int RoundDiameter() const { return roundDiameter_; }
    void SetRoundDiameter(int value);
    // With HasFocus off, whether the caption still moves when pressed.
    bool DispDownFocus() const { return dispDownFocus_; }
    void SetDispDownFocus(bool value);

    // The face colour when Gradation is off; setting it switches ParentColor off.
    vcl::TColor Color() const { return color_; }
    void SetColor(vcl::TColor value);
    // On: the face takes the parent's background colour.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    vcl::TColor FontColor() const { return fontColor_; }
    void SetFontColor(vcl::TColor value);

    // True while the button shows its pressed look.
    bool IsDown() const { return down_; }

    // Clears the pressed look, sets the dialog's modal result to ModalResult
    // (also when it is mrNone), runs OnClick, repaints. An exception from the
    // handler is reported and leaves the dialog open.
    void Click();

    bool DialogKey(vcl::TDialogKey key, Qt::KeyboardModifiers modifiers) override;

    vcl::TNotifyEvent OnClick;
    vcl::TNotifyEvent OnDblClick;
    vcl::TMouseEvent OnMouseDown;
    vcl::TMouseEvent OnMouseUp;
    vcl::TMouseMoveEvent OnMouseMove;
    vcl::TMouseMoveEvent OnMouseEnter;
    vcl::TMouseMoveEvent OnMouseLeave;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateRegion();
    void PressLeft(QMouseEvent* event, vcl::ClickCount clicks);
    void MouseEnter(vcl::TShiftState shift, QPoint pos);
    void MouseLeave(vcl::TShiftState shift, QPoint pos);
    void TrackMouseInside(bool inside, vcl::TShiftState shift, QPoint pos);

    // Painting, in the order of a paint.
    vcl::TColor FaceColor() const;
    void PaintFace(QPainter& painter);
    void PaintImage(QPainter& painter);
    void PaintCaptions(QPainter& painter);
    void PaintCaptionLine(QPainter& painter, const TplBBtnCaption& caption, int y);
    void PaintFrame(QPainter& painter);

    TplButtonStyle buttonStyle_ = TplButtonStyle::bsNormal;
    TplaGradationStyle gradationStyle_ = TplaGradationStyle::bsDown;
    bool cancel_ = false;
    std::unique_ptr<TplBBtnCaption> captionA_;
    std::unique_ptr<TplBBtnCaption> captionB_;
    int captionLineSpace_ = 4;
    int captionTop_ = 0;
    int framePenSize_ = 2;
    int gradationRatio_ = 0;
    bool captionVertCenter_ = true;
    TplBBtnFrameType flatFrameType_ = TplBBtnFrameType::bffFlat;
    bool gradation_ = true;
    vcl::TColor gradBeginColor_ = vcl::clWhite;
    vcl::TColor gradEndColor_ = vcl::clSilver;
    vcl::TColor frameColor_ = vcl::clGray;
    bool hasFocus_ = true;
    vcl::TModalResult modalResult_ = vcl::mrNone;
    std::unique_ptr<TplBBtnImage> image_;
    int roundDiameter_ = 5;
    bool dispDownFocus_ = false;
    vcl::TColor color_ = vcl::clBtnFace;
    bool parentColor_ = false;
    vcl::TColor fontColor_ = vcl::clWindowText;

    bool down_ = false;         // left button held on the button
    bool nameCaption_ = false;  // CaptionA already taken from the name
    bool pressArmed_ = false;   // a press began here: a release inside clicks
    bool mouseInside_ = false;  // last known: the pointer is over the button
};
