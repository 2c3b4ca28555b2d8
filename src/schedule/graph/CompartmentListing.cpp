#include "CompartmentListing.h"

#include "DateTimeFormat.h"
#include "NumberFormat.h"
#include "ParallelRuns.h"

#include <cmath>
#include <vector>

namespace {

// Lines handed to a thread at a time.
constexpr int ChunkLines = 2048;

enum class Trend { Level, Rising, Falling };

QString Column(double value)
{
    return vcl::FormatFloat(QStringLiteral("0.0000"), value).rightJustified(12, QLatin1Char(' '));
}

QString TwoDigits(long long value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

double Difference(const TCurvePoint& point)
{
    return std::fabs(point.First - point.Second);
}

// Which lines end with " *": the previous line of a point whose difference
// rises after a falling one.
std::vector<bool> MinimumMarks(const TCurveList& points)
{
    std::vector<bool> marked(points.size(), false);
    Trend trend = Trend::Level;
    double previous = points.empty() ? 0 : Difference(points.front());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double d = Difference(points[i]);
        if (trend == Trend::Falling && d > previous)
            marked[i - 1] = true;
        trend = d == previous ? Trend::Level : d > previous ? Trend::Rising : Trend::Falling;
        previous = d;
    }
    return marked;
}

QString Line(const TCurvePoint& point, vcl::TDateTime origin)
{
    const long long m = static_cast<long long>(std::trunc(point.Time));
    return vcl::FormatDateTime(QStringLiteral("yyyy/mm/dd"), origin + static_cast<double>(m / 1440)) +
           QLatin1Char(' ') + TwoDigits(m % 1440 / 60) + QLatin1Char(':') + TwoDigits(m % 60) +
           QStringLiteral(":00,") + Column(point.First) + QLatin1Char(',') + Column(point.Second) +
           QLatin1Char(',') + Column(Difference(point));
}

} // namespace

QStringList BuildCompartmentLines(const TCurveList& points, vcl::TDateTime origin, int threads)
{
    const std::vector<bool> marked = MinimumMarks(points);
    const int count = static_cast<int>(points.size());
    std::vector<QString> lines(points.size());
    RunInParallel((count + ChunkLines - 1) / ChunkLines, threads, [&](int chunk) {
        const int end = std::min(count, (chunk + 1) * ChunkLines);
        for (int i = chunk * ChunkLines; i < end; ++i) {
            lines[i] = Line(points[i], origin);
            if (marked[i])
                lines[i] += QStringLiteral(" *");
        }
    });
    QStringList listing;
    listing.reserve(count);
    for (QString& line : lines)
        listing.append(std::move(line));
    return listing;
}
