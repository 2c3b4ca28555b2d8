#pragma once
// Pagination of the report: the page header at the top of every page, the
// page footer at its bottom, and the title, detail and summary bands in
// print order, each on the page where it still fits whole, else at the top
// of the next one.
#include <vector>

// A4 portrait less 10 mm margins on every side, in report pixels (96 per inch).
inline constexpr double ReportPixelsPerMm = 96.0 / 25.4;
inline constexpr int ReportPageWidth = static_cast<int>(190 * ReportPixelsPerMm);    // 718
inline constexpr int ReportPageHeight = static_cast<int>(277 * ReportPixelsPerMm);   // 1046

struct TPlacedBand {
    int Band = 0;      // position in the list of body bands
    int Top = 0;       // report pixels from the page's top margin
};

struct TReportPageLayout {
    int HeaderTop = 0;
    int FooterTop = 0;
    std::vector<TPlacedBand> Bands;
};

// Pages for body bands of the given heights, with a page header and a page
// footer of theirs on every page. There is always at least one page.
std::vector<TReportPageLayout> LayoutReport(const std::vector<int>& bodyHeights, int headerHeight,
                                            int footerHeight, int pageHeight = ReportPageHeight);
