#pragma once
// The colour gradient of a painted button's face as a list of 1-pixel lines in
// drawing order. GradationRatio percent of the steps keep the begin colour; the
// rest blend towards the end colour channel by channel.
#include "GdiDrawing.h"
#include "plButtonTypes.h"

#include <vector>

struct GradientInput {
    TplaGradationStyle style = TplaGradationStyle::bsDown;
    int width = 0;
    int height = 0;
    int ratio = 0; // GradationRatio
    vcl::TColor begin = vcl::clWhite;
    vcl::TColor end = vcl::clSilver;
};

// Steps n: the height (bsDown, bsUp), the width (bsRight, bsLeft), half the
// height (bsCenter, bsRound).
int GradientStepCount(TplaGradationStyle style, int width, int height);

// Lines 0 .. r - 1 of n keep the begin colour, r = n x ratio / 100.
int GradientBeginSteps(int steps, int ratio);

// The colour of line i (0 .. n). Line i < r is the begin colour; the rest blend
// from the begin to the end colour over n - r. When r reaches n (a ratio of 100
// or more) every line, the last included, is the begin colour.
vcl::TColor GradientLineColor(int i, int steps, int beginSteps, vcl::TColor begin, vcl::TColor end);

std::vector<GdiLine> GradientLines(const GradientInput& in);
