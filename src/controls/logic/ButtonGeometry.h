#pragma once
// Where a painted button puts its caption lines, characters and image, from
// the button's size and the text metrics handed in (so the numbers do not
// depend on the fonts installed). Divisions truncate towards zero.
#include "plButtonTypes.h"

#include <QRegion>
#include <vector>

// The vertical places of the two caption lines.
struct CaptionLayoutInput {
    int buttonHeight = 0;
    int lineSpace = 4;        // CaptionLineSpace
    int captionTop = 0;       // CaptionTop as stored
    bool vertCenter = true;   // CaptionVertCenter
    bool firstEmpty = true;   // CaptionA.Caption is empty
    bool secondEmpty = true;  // CaptionB.Caption is empty
    int firstTextHeight = 0;  // text height of CaptionA in the button font
    int secondTextHeight = 0; // text height of CaptionB in the button font
};

struct CaptionLines {
    int firstTop = 0;   // y of CaptionA
    int secondTop = 0;  // y of CaptionB
    int captionTop = 0; // CaptionTop after the layout (centring writes it)
};

CaptionLines PlaceCaptionLines(const CaptionLayoutInput& in);

// The horizontal anchor of one caption line.
enum class TextAnchor { Left, Center, Right };

struct CaptionAnchor {
    int x = 0;
    TextAnchor anchor = TextAnchor::Center;
    bool evenSpacing = false; // characters spread over span
    int span = 0;
};

CaptionAnchor AnchorCaption(TplBBtnAlignment alignment, int buttonWidth, int left, int right,
                            int characterCount);

// The x of each character of an evenly spaced caption that starts at startX and
// fills span: the spare width is shared between the gaps, the remainder going
// one pixel at a time to the first gaps (taken from them when negative).
std::vector<int> EvenCharacterPositions(int startX, int span, const std::vector<int>& characterWidths);

// How far a pressed button moves its caption and its image (right and down).
struct PressState {
    bool hasFocus = true;      // HasFocus
    bool down = false;         // the left button is held on the button
    bool dispDownFocus = false; // DispDownFocus
};
int CaptionPressOffset(const PressState& state);
int ImagePressOffset(const PressState& state);

// The origin that centres a graphic of graphicExtent in extent.
int CentredOrigin(int extent, int graphicExtent);

// The window region of the rounded styles: a rectangle one pixel wider and
// higher than the button with corner ellipses of diameter x diameter (pixels
// whose centre lies in the rounded shape).
QRegion RoundRectRegion(int width, int height, int diameter);
