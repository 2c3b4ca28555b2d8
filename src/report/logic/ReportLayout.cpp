#include "ReportLayout.h"

std::vector<TReportPageLayout> LayoutReport(const std::vector<int>& bodyHeights, int headerHeight,
                                            int footerHeight, int pageHeight)
{
    const int footerTop = pageHeight - footerHeight;
    std::vector<TReportPageLayout> pages;
    auto newPage = [&pages, footerTop] {
        TReportPageLayout page;
        page.FooterTop = footerTop;
        pages.push_back(page);
    };
    newPage();
    int top = headerHeight;
    for (int band = 0; band < static_cast<int>(bodyHeights.size()); ++band) {
        const int height = bodyHeights[static_cast<std::size_t>(band)];
        // A band taller than a whole page still gets a page of its own.
        if (top + height > footerTop && !pages.back().Bands.empty()) {
            newPage();
            top = headerHeight;
        }
        pages.back().Bands.push_back({band, top});
        top += height;
    }
    return pages;
}
