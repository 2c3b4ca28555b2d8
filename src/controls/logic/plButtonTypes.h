#pragma once
// The kinds a painted button is set up with, and the picture it may carry.
#include <QImage>

enum class TplButtonStyle { bsNormal, bsFlat, bsFlatNoFrame, bsRoundRect, bsRoundRectNoFrame };
enum class TplaGradationStyle { bsDown, bsUp, bsRight, bsLeft, bsCenter, bsRound };
enum class TplBBtnFrameType { bffFlat, bffEtched, bffBump };
enum class TplBBtnAlignment { taCenter, taLeft, taRight, taEven };

// The two rounded styles clip the button to a rounded window region.
constexpr bool IsRoundStyle(TplButtonStyle style)
{
    return style == TplButtonStyle::bsRoundRect || style == TplButtonStyle::bsRoundRectNoFrame;
}

// A button shows bitmaps (opaque) and icons (with their own transparency);
// any other graphic, a JPEG picture for one, is not shown and is dropped.
enum class TGraphicKind { None, Bitmap, Icon, Other };

struct TPicture {
    TGraphicKind kind = TGraphicKind::None;
    QImage graphic;

    static TPicture Bitmap(QImage image) { return {TGraphicKind::Bitmap, std::move(image)}; }
    static TPicture Icon(QImage image) { return {TGraphicKind::Icon, std::move(image)}; }
    static TPicture Other(QImage image) { return {TGraphicKind::Other, std::move(image)}; }

    bool IsEmpty() const { return kind == TGraphicKind::None || graphic.isNull(); }
};
