// The text driver: a small case end to end, and what it does with bad text.
#include "PkCase.h"
#include "U1comkeikogn.h"
#include "U1comtentekign.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::vector<std::string> lines;
    std::string error;
};

Outcome RunText(const std::string& text)
{
    std::istringstream in(text);
    std::ostringstream out;
    std::ostringstream err;
    Outcome o;
    o.status = RunPkCaseText(in, out, err);
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        o.lines.push_back(line);
    o.error = err.str();
    return o;
}

std::string Number(double v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

const char* const kVancomycin = R"(# two 1-hour infusions, a trough and a peak
model 1comp-infusion
theta 0.7 0.08
omega 0.2 0.35     # CV fractions
weight 60
c0 2
dose 0 1000 60
dose 60 0 0
dose 720 1000 60
dose 780 0 0
sample 12 11.5
sample 14 30.2
at 0
at 13
)";

TEST(Pkfit, FitsAndSimulatesASmallCase)
{
    const Outcome o = RunText(kVancomycin);
    ASSERT_EQ(o.status, 0) << o.error;

    // The same through the engine directly.
    const std::vector<PkDoseEvent> events = {{0, 1000.0, 60}, {60, 0.0, 0}, {720, 1000.0, 60}, {780, 0.0, 0}};
    const double times[2] = {12.0, 14.0};
    const double concs[2] = {11.5, 30.2};
    const double omega[2] = {0.2, 0.35};
    double theta[2] = {0.7, 0.08};
    double objective = 0.0;
    T1ComTentekiGN model;
    ASSERT_EQ(model.Estimate(theta, omega, times, concs, 2, 60.0, events, 1.0, &objective, 0, 2.0), 0);
    double pred[2];
    model.PredictAtSamples(pred, theta[0], theta[1]);
    const double x0 = 2.0 * 0.7 * 60.0;
    const double rates[3] = {1000.0, 0.0, 1000.0};
    const double bounds[4] = {0.0, 1.0, 12.0, 13.0};
    const double at13 = T1ComTentekiGN::SimulateCurve(rates, bounds, x0, theta[0], theta[1], 60.0, 3, nullptr, nullptr);

    const std::vector<std::string> expected = {
        "result 0",
        "theta " + Number(theta[0]) + " " + Number(theta[1]),
        "objective " + Number(objective),
        "pred 12 " + Number(pred[0]),
        "pred 14 " + Number(pred[1]),
        "conc 0 " + Number(x0 / (theta[0] * 60.0)),
        "conc 13 " + Number(at13),
    };
    EXPECT_EQ(o.lines, expected);
}

// A fit that fails prints no estimates; the predictions and the curve use the
// population means.
TEST(Pkfit, AFailedFitReportsAtThePopulationMeans)
{
    const Outcome o = RunText("model 1comp-oral\ntheta 0.8 1.2 0.1\nomega 0.2 0.4 0.3\nweight 60\nf 0.9\n"
                              "dose 0 400 0\nsample 2 nan\nat 2\n");
    ASSERT_EQ(o.status, 0) << o.error;
    ASSERT_EQ(o.lines.size(), 3u);
    EXPECT_EQ(o.lines[0], "result -1");
    const double amounts[1] = {400.0};
    const double bounds[2] = {0.0, 2.0};
    const double atMeans =
        T1ComKeikoGN::SimulateCurve(amounts, bounds, 0.0, 0.0, 0.8, 1.2, 0.1, 60.0, 0.9, 1, nullptr, nullptr, nullptr);
    EXPECT_EQ(o.lines[2], "conc 2 " + Number(atMeans));
    EXPECT_EQ(o.lines[1].rfind("pred 2 ", 0), 0u);
}

TEST(Pkfit, MalformedCasesNameTheLineAndExitWithTwo)
{
    const std::string head = "model 2comp-infusion\ntheta 0.3 0.2 0.5 0.35\nomega 0.2 0.2 0.2 0.2\nweight 60\n";
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {head + "dose 0 1000 60\nsample 1 x\n", "line 6: 'x' is not a number"},
        {head + "dose 0 1000 60\nsamples 1 2\n", "line 6: unknown keyword 'samples'"},
        {head + "dose 0 1000 60.5\n", "line 5: dose duration '60.5' is not a whole number of minutes"},
        {head + "dose 60 1000 60\ndose 0 0 0\n", "line 6: dose event earlier than the one before it"},
        {head + "dose 60 1000 60\nsample 0.5 3\n", "line 6: sample before the first dose event"},
        {head + "dose 0 1000 60\nsample 5 3\nsample 4 3\n", "line 7: sample earlier than the one before it"},
        {head + "error 2\n", "line 5: error is 0 (relative) or 1 (logarithmic)"},
        {head + "weight 70\n", "line 5: weight given twice (first on line 4)"},
        {"model 3comp\n", "line 1: unknown model '3comp'"},
        {"model mm-oral\ntheta 1 2 3\nomega 1 1 1 1\nweight 60\ndose 0 1 0\n", "line 2: theta: mm-oral takes 4 values"},
        {head, "no dose event"},
        {"theta 1\n", "no model line"},
    };
    for (const Case& c : cases) {
        const Outcome o = RunText(c.text);
        EXPECT_EQ(o.status, 2) << c.text;
        EXPECT_EQ(o.error, "pkfit: " + c.message + "\n");
        EXPECT_TRUE(o.lines.empty());
    }
}

} // namespace
