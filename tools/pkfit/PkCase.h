#pragma once
// A text case for the engine: one model, its priors, the patient, the dose
// events and samples, and the times at which a concentration is wanted.
//
//   model 1comp-oral | 1comp-infusion | 2comp-infusion | mm-oral | mm-infusion
//   theta v1 ... vP        population means, in the model's parameter order
//   omega w1 ... wP        CVs as fractions
//   weight BW              kg
//   f F                    bioavailability (oral models; default 1)
//   error E                0 relative, 1 logarithmic (default 0)
//   c0 C                   concentration present at the first event (default 0)
//   dose T A D             minutes, amount, infusion minutes; in time order
//   sample T C             hours, measured concentration; in time order
//   at T                   hours; repeatable
//
// '#' starts a comment.

#include "PkDoseEvent.h"

#include <iosfwd>
#include <string>
#include <vector>

enum class PkModelKind { OneCompOral, OneCompInfusion, TwoCompInfusion, MMOral, MMInfusion };

struct PkCase {
    PkModelKind model = PkModelKind::OneCompOral;
    std::vector<double> theta;
    std::vector<double> omega;
    double weight = 0.0;
    double bioavail = 1.0;
    int errorModel = 0;
    double c0 = 0.0;
    std::vector<PkDoseEvent> doses;
    std::vector<double> sampleTimes;
    std::vector<double> sampleConcs;
    std::vector<double> atTimes;
};

// Reads a case. On a malformed case returns false with a message naming the
// line (or the missing line) in error.
bool ReadPkCase(std::istream& in, PkCase& out, std::string& error);

// Fits and simulates a case and writes the result lines:
//   result R; theta e1 ... eP and objective S (only when R is 0);
//   pred T C per sample, at the estimates (the means when the fit failed);
//   conc T C per at-time, simulated one-shot from C0 x population V x BW.
void RunPkCase(const PkCase& c, std::ostream& out);

// Both, as the command does: 0, or 2 after a message on err.
int RunPkCaseText(std::istream& in, std::ostream& out, std::ostream& err);
