#include "report/TReport3Text.h"

#include "report/Base64.h"
#include "report/ReportError.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"

#include <algorithm>

namespace {

// A chart picture larger than a landscape A3 sheet at 10 pixels per millimetre
// would only waste memory.
constexpr TLength kMaxChartPixels = 4200;

} // namespace

void TReport3Text::Changed() {
    if (Owner() != nullptr) {
        Owner()->Changed();
    }
}

void TReport3Text::PlaceAt(TLength x, TLength y) {
    TLayoutPass pass = ReportPlacingPass();
    Place(pass, x, y);
}

void TReport3Text::Place(TLayoutPass& pass, TLength x, TLength y) const {
    TReport3Page* page = pass.Page();
    if (page == nullptr) {
        return;
    }
    // Page texts of free texts keep zero insets.
    TReport3Text& copy = page->AddPlacedText(style_, text_);
    copy.SetX(AddLengths(x, x_));
    copy.SetY(AddLengths(y, y_));
    copy.SetW(w_);
    copy.SetH(h_);
}

void TReport3Text::SetMetafile(std::string_view metafileBytes) {
    SetText("!EMF" + Base64Encode(metafileBytes));
}

void TReport3Text::DrawChart(const std::vector<std::string>& labels, int kind,
                             const std::vector<std::string>& seriesNames, int option,
                             const std::vector<double>& values) {
    // Values come as one run per series; any other count draws nothing.
    if (labels.empty() || values.size() % labels.size() != 0) {
        return;
    }
    const TReport3* report = FindReport();
    if (report == nullptr || !report->Services().DrawChart) {
        RaiseNotAvailable("DrawChart");
    }
    // The picture has 10 pixels per millimetre of the box.
    const auto pixels = [](TLength length) {
        return static_cast<int>(std::clamp<TLength>(length / 1000, 1, kMaxChartPixels));
    };
    SetMetafile(report->Services().DrawChart(
        {labels, kind, seriesNames, option, values, pixels(w_), pixels(h_)}));
}

void TReport3Text::SetInnerRect(const TIntRect& rect) {
    inner_ = rect;
    Changed();
}

void TReport3Text::SetX(TLength x) {
    x_ = x;
    Changed();
}

void TReport3Text::SetY(TLength y) {
    y_ = y;
    Changed();
}

void TReport3Text::SetW(TLength w) {
    w_ = w;
    Changed();
}

void TReport3Text::SetH(TLength h) {
    h_ = h;
    Changed();
}

void TReport3Text::SetText(const std::string& text) {
    text_ = text;
    Changed();
}
