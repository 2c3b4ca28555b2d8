#include "PkCase.h"

#include "U1comkeikogn.h"
#include "U1comtentekign.h"
#include "U2comtentekign.h"
#include "Umm1comkeikogn.h"
#include "Umm1comtentekign.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <istream>
#include <memory>
#include <ostream>
#include <sstream>

namespace {

struct ModelName {
    const char* name;
    PkModelKind kind;
    int params;
};

const ModelName kModels[] = {
    {"1comp-oral", PkModelKind::OneCompOral, T1ComKeikoGN::kParamCount},
    {"1comp-infusion", PkModelKind::OneCompInfusion, T1ComTentekiGN::kParamCount},
    {"2comp-infusion", PkModelKind::TwoCompInfusion, T2ComTentekiGN::kParamCount},
    {"mm-oral", PkModelKind::MMOral, TMM1ComKeikoGN::kParamCount},
    {"mm-infusion", PkModelKind::MMInfusion, TMM1ComTentekiGN::kParamCount},
};

const ModelName& Info(PkModelKind kind)
{
    for (const ModelName& m : kModels) {
        if (m.kind == kind)
            return m;
    }
    return kModels[0];
}

bool IsOral(PkModelKind kind)
{
    return kind == PkModelKind::OneCompOral || kind == PkModelKind::MMOral;
}

bool ParseNumber(const std::string& token, double& value)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

bool ParseInt(const std::string& token, int& value)
{
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

std::string Number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

// Reads the case line by line; Fail() records the first message.
class Reader {
public:
    explicit Reader(PkCase& out) : c_(out) {}

    bool Line(int number, const std::string& raw);
    bool Finish();
    const std::string& Error() const { return error_; }

private:
    bool Fail(int line, const std::string& what)
    {
        error_ = line > 0 ? "line " + std::to_string(line) + ": " + what : what;
        return false;
    }
    bool Numbers(int line, const std::vector<std::string>& t, std::vector<double>& out);
    bool Once(int line, int& seenAt, const std::string& keyword);

    PkCase& c_;
    std::string error_;
    int modelLine_ = 0;
    int thetaLine_ = 0;
    int omegaLine_ = 0;
    int weightLine_ = 0;
    int fLine_ = 0;
    int errorLine_ = 0;
    int c0Line_ = 0;
    int firstSampleLine_ = 0;
};

bool Reader::Once(int line, int& seenAt, const std::string& keyword)
{
    if (seenAt != 0)
        return Fail(line, keyword + " given twice (first on line " + std::to_string(seenAt) + ")");
    seenAt = line;
    return true;
}

bool Reader::Numbers(int line, const std::vector<std::string>& t, std::vector<double>& out)
{
    out.clear();
    for (std::size_t i = 1; i < t.size(); ++i) {
        double v = 0.0;
        if (!ParseNumber(t[i], v))
            return Fail(line, "'" + t[i] + "' is not a number");
        out.push_back(v);
    }
    return true;
}

bool Reader::Line(int line, const std::string& raw)
{
    std::string text = raw.substr(0, raw.find('#'));
    std::istringstream words(text);
    std::vector<std::string> t;
    for (std::string w; words >> w;)
        t.push_back(w);
    if (t.empty())
        return true;

    const std::string& key = t[0];
    auto count = [&](std::size_t n) {
        return t.size() == n + 1 ? true : Fail(line, key + " takes " + std::to_string(n) + " value(s)");
    };
    std::vector<double> v;
    if (key == "model") {
        if (!count(1) || !Once(line, modelLine_, key))
            return false;
        for (const ModelName& m : kModels) {
            if (t[1] == m.name) {
                c_.model = m.kind;
                return true;
            }
        }
        return Fail(line, "unknown model '" + t[1] + "'");
    }
    if (key == "theta" || key == "omega") {
        if (!Once(line, key == "theta" ? thetaLine_ : omegaLine_, key) || !Numbers(line, t, v))
            return false;
        if (v.empty())
            return Fail(line, key + " takes the model's parameters");
        (key == "theta" ? c_.theta : c_.omega) = v;
        return true;
    }
    if (key == "weight" || key == "f" || key == "c0") {
        int& seen = key == "weight" ? weightLine_ : key == "f" ? fLine_ : c0Line_;
        if (!count(1) || !Once(line, seen, key) || !Numbers(line, t, v))
            return false;
        (key == "weight" ? c_.weight : key == "f" ? c_.bioavail : c_.c0) = v[0];
        return true;
    }
    if (key == "error") {
        if (!count(1) || !Once(line, errorLine_, key))
            return false;
        if (t[1] != "0" && t[1] != "1")
            return Fail(line, "error is 0 (relative) or 1 (logarithmic)");
        c_.errorModel = t[1] == "1" ? 1 : 0;
        return true;
    }
    if (key == "dose") {
        if (!count(3))
            return false;
        PkDoseEvent e;
        if (!ParseInt(t[1], e.time))
            return Fail(line, "dose time '" + t[1] + "' is not a whole number of minutes");
        if (!ParseNumber(t[2], e.amount))
            return Fail(line, "'" + t[2] + "' is not a number");
        if (!ParseInt(t[3], e.duration))
            return Fail(line, "dose duration '" + t[3] + "' is not a whole number of minutes");
        if (!c_.doses.empty() && e.time < c_.doses.back().time)
            return Fail(line, "dose event earlier than the one before it");
        if (static_cast<int>(c_.doses.size()) == pk::kMaxDoseEvents)
            return Fail(line, "more than " + std::to_string(pk::kMaxDoseEvents) + " dose events");
        c_.doses.push_back(e);
        return true;
    }
    if (key == "sample") {
        if (!count(2) || !Numbers(line, t, v))
            return false;
        if (!std::isfinite(v[0]))
            return Fail(line, "sample time must be a finite number of hours");
        if (!c_.sampleTimes.empty() && v[0] < c_.sampleTimes.back())
            return Fail(line, "sample earlier than the one before it");
        if (static_cast<int>(c_.sampleTimes.size()) == pk::kMaxSamples)
            return Fail(line, "more than " + std::to_string(pk::kMaxSamples) + " samples");
        if (c_.sampleTimes.empty())
            firstSampleLine_ = line;
        c_.sampleTimes.push_back(v[0]);
        c_.sampleConcs.push_back(v[1]);
        return true;
    }
    if (key == "at") {
        if (!count(1) || !Numbers(line, t, v))
            return false;
        if (!std::isfinite(v[0]))
            return Fail(line, "at takes a finite number of hours");
        c_.atTimes.push_back(v[0]);
        return true;
    }
    return Fail(line, "unknown keyword '" + key + "'");
}

bool Reader::Finish()
{
    if (modelLine_ == 0)
        return Fail(0, "no model line");
    if (thetaLine_ == 0)
        return Fail(0, "no theta line");
    if (omegaLine_ == 0)
        return Fail(0, "no omega line");
    if (weightLine_ == 0)
        return Fail(0, "no weight line");
    const ModelName& m = Info(c_.model);
    const std::string wanted = std::string(m.name) + " takes " + std::to_string(m.params) + " values";
    if (static_cast<int>(c_.theta.size()) != m.params)
        return Fail(thetaLine_, "theta: " + wanted);
    if (static_cast<int>(c_.omega.size()) != m.params)
        return Fail(omegaLine_, "omega: " + wanted);
    if (c_.doses.empty())
        return Fail(0, "no dose event");
    // The same comparison the engine makes.
    if (!c_.sampleTimes.empty() && c_.sampleTimes.front() < pk::MinutesToHours(c_.doses.front().time))
        return Fail(firstSampleLine_, "sample before the first dose event");
    return true;
}

// The five classes' differing argument lists behind one shape.
void Predict(const T1ComKeikoGN& m, const double* p, double* out)
{
    m.PredictAtSamples(out, p[0], p[1], p[2]);
}
void Predict(const T1ComTentekiGN& m, const double* p, double* out)
{
    m.PredictAtSamples(out, p[0], p[1]);
}
void Predict(const T2ComTentekiGN& m, const double* p, double* out)
{
    m.PredictAtSamples(out, p[0], p[1], p[2], p[3]);
}
void Predict(const TMM1ComKeikoGN& m, const double* p, double* out)
{
    m.PredictAtSamples(out, p[0], p[1], p[2], p[3]);
}
void Predict(const TMM1ComTentekiGN& m, const double* p, double* out)
{
    m.PredictAtSamples(out, p[0], p[1], p[2]);
}

double Simulate(const T1ComKeikoGN*, const double* in, const double* b, int n, double x0, const double* p, double bw,
                double f)
{
    return T1ComKeikoGN::SimulateCurve(in, b, x0, 0.0, p[0], p[1], p[2], bw, f, n, nullptr, nullptr, nullptr);
}
double Simulate(const T1ComTentekiGN*, const double* in, const double* b, int n, double x0, const double* p, double bw,
                double)
{
    return T1ComTentekiGN::SimulateCurve(in, b, x0, p[0], p[1], bw, n, nullptr, nullptr);
}
double Simulate(const T2ComTentekiGN*, const double* in, const double* b, int n, double x0, const double* p, double bw,
                double)
{
    return T2ComTentekiGN::SimulateCurve(in, b, x0, 0.0, p[0], p[1], p[2], p[3], bw, n, 0, nullptr, nullptr, nullptr);
}
double Simulate(const TMM1ComKeikoGN*, const double* in, const double* b, int n, double x0, const double* p, double bw,
                double f)
{
    return TMM1ComKeikoGN::SimulateCurve(in, b, x0, 0.0, p[0], p[1], p[2], p[3], bw, f, n, nullptr, nullptr, nullptr);
}
double Simulate(const TMM1ComTentekiGN*, const double* in, const double* b, int n, double x0, const double* p,
                double bw, double)
{
    return TMM1ComTentekiGN::SimulateCurve(in, b, x0, p[0], p[1], p[2], bw, n, nullptr, nullptr);
}

template <class Face>
void Run(const PkCase& c, std::ostream& out)
{
    const auto model = std::make_unique<Face>();
    std::vector<double> estimates = c.theta;
    double objective = 0.0;
    const int n = static_cast<int>(c.sampleTimes.size());
    const int result = model->Estimate(estimates.data(), c.omega.data(), c.sampleTimes.data(), c.sampleConcs.data(), n,
                                       c.weight, c.doses, c.bioavail, &objective, c.errorModel, c.c0);
    const std::vector<double>& params = result == 0 ? estimates : c.theta;

    out << "result " << result << "\n";
    if (result == 0) {
        out << "theta";
        for (double e : estimates)
            out << " " << Number(e);
        out << "\n"
            << "objective " << Number(objective) << "\n";
    }
    if (n > 0) {
        std::vector<double> pred(n);
        Predict(*model, params.data(), pred.data());
        for (int j = 0; j < n; ++j)
            out << "pred " << Number(c.sampleTimes[j]) << " " << Number(pred[j]) << "\n";
    }

    const bool oral = IsOral(c.model);
    const double x0 = c.c0 * c.theta[0] * c.weight;
    std::vector<double> inputs;
    std::vector<double> bounds;
    for (double t : c.atTimes) {
        inputs.clear();
        bounds.clear();
        for (const PkDoseEvent& e : c.doses) {
            if (!(pk::MinutesToHours(e.time) <= t))
                break;
            inputs.push_back(oral ? e.amount : (e.duration > 0 ? e.amount / (e.duration / 60.0) : 0.0));
            bounds.push_back(pk::MinutesToHours(e.time));
        }
        bounds.push_back(t);
        const double conc = Simulate(static_cast<const Face*>(nullptr), inputs.data(), bounds.data(),
                                     static_cast<int>(inputs.size()), x0, params.data(), c.weight, c.bioavail);
        out << "conc " << Number(t) << " " << Number(conc) << "\n";
    }
}

} // namespace

bool ReadPkCase(std::istream& in, PkCase& out, std::string& error)
{
    out = PkCase();
    Reader reader(out);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!reader.Line(number, line)) {
            error = reader.Error();
            return false;
        }
    }
    if (!reader.Finish()) {
        error = reader.Error();
        return false;
    }
    return true;
}

void RunPkCase(const PkCase& c, std::ostream& out)
{
    switch (c.model) {
    case PkModelKind::OneCompOral:
        return Run<T1ComKeikoGN>(c, out);
    case PkModelKind::OneCompInfusion:
        return Run<T1ComTentekiGN>(c, out);
    case PkModelKind::TwoCompInfusion:
        return Run<T2ComTentekiGN>(c, out);
    case PkModelKind::MMOral:
        return Run<TMM1ComKeikoGN>(c, out);
    case PkModelKind::MMInfusion:
        return Run<TMM1ComTentekiGN>(c, out);
    }
}

int RunPkCaseText(std::istream& in, std::ostream& out, std::ostream& err)
{
    PkCase c;
    std::string error;
    if (!ReadPkCase(in, c, error)) {
        err << "pkfit: " << error << "\n";
        return 2;
    }
    RunPkCase(c, out);
    return 0;
}
