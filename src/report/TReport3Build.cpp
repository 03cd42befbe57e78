// Build: the top-level rows laid out top to bottom onto pages. Rows are
// never split; a row that does not fit, asks for a page feed or changes the
// orientation begins a new page, which starts with the header row the row
// names and gets the footer row below its bottom margin line.
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "report/TReport3Row.h"

namespace {

// Holds the measuring canvas for the duration of one Build.
class TCanvasScope {
public:
    TCanvasScope(std::unique_ptr<IMeasuringCanvas>& slot, const TMeasuringCanvasFactory& factory)
        : slot_(slot) {
        slot_ = factory ? factory() : nullptr;
    }
    ~TCanvasScope() { slot_.reset(); }
    TCanvasScope(const TCanvasScope&) = delete;
    TCanvasScope& operator=(const TCanvasScope&) = delete;

private:
    std::unique_ptr<IMeasuringCanvas>& slot_;
};

} // namespace

void TReport3::Build() {
    if (built_) {
        return;
    }
    buildErrors_.clear();
    const TCanvasScope canvas(canvas_, services_.MeasuringCanvas);
    TLayoutPass pass = PlacingPass();
    const TLength top = MmToLength(margins_.Top);
    TLength offset = 0;
    currentPage_ = 1;
    // The orientation of the pages being filled; the first row decides it.
    TOrientation state = kOrientationUnset;
    for (std::size_t index = 0; index < rows_.size(); ++index) {
        TReport3Row& row = *rows_[index];
        if (index == 0) {
            if (row.GetOrientation() == kOrientationUnset) {
                row.SetOrientation(kOrientationPortrait);
            }
            state = row.GetOrientation();
            StartPage(pass, index, state, nullptr);
        }
        // Measuring may fail too (on the canvas); such a row is left out.
        TLength height = 0;
        if (!MeasureRow(pass, index, row, height)) {
            continue;
        }
        const std::int64_t pageHeight =
            pages_[static_cast<std::size_t>(currentPage_ - 1)]->GetHeight();
        const TLength available = MmToLength(pageHeight - margins_.Top - margins_.Bottom);
        const TOrientation orientation = row.GetOrientation();
        if (available < AddLengths(offset, height) || row.GetPageFeed() ||
            (orientation != kOrientationUnset && orientation != state)) {
            offset = 0;
            ++currentPage_;
            if (orientation != kOrientationUnset) {
                state = orientation;
            }
            offset = StartPage(pass, index, state, row.GetHeader().get());
        }
        PlaceRow(pass, index, row, AddLengths(top, offset));
        offset = AddLengths(offset, height);
    }
    built_ = true;
}

TLength TReport3::StartPage(TLayoutPass& pass, std::size_t index, TOrientation state,
                            IReport3Row* header) {
    const auto page = GetPage(currentPage_);
    page->SetOrientation(state);
    TLength headerHeight = 0;
    if (header != nullptr) {
        PlaceRow(pass, index, *header, MmToLength(margins_.Top));
        // A header that cannot be measured takes no room (the error is reported).
        MeasureRow(pass, index, *header, headerHeight);
    }
    const std::int64_t bottomLine = static_cast<std::int64_t>(page->GetHeight()) - margins_.Bottom;
    PlaceRow(pass, index, *footerRow_, MmToLength(bottomLine));
    return headerHeight;
}

namespace {

// The report's own top-level rows are laid out within its pass; a header
// row made elsewhere lays itself out.
const TReport3Row* OwnTopLevelRow(const TReport3& report, const IReport3Row& row) {
    const auto* own = dynamic_cast<const TReport3Row*>(&row);
    return own != nullptr && own->Owner() == &report ? own : nullptr;
}

} // namespace

bool TReport3::MeasureRow(TLayoutPass& pass, std::size_t index, const IReport3Row& row,
                          TLength& height) {
    try {
        const TReport3Row* own = OwnTopLevelRow(*this, row);
        height = own != nullptr ? own->Height(pass, PercentageBaseWidth()) : row.GetHeight();
        return true;
    } catch (const std::exception& error) {
        ReportBuildError(index, error.what());
        return false;
    }
}

void TReport3::PlaceRow(TLayoutPass& pass, std::size_t index, IReport3Row& row, TLength y) {
    const TLength x = MmToLength(margins_.Left);
    try {
        if (const TReport3Row* own = OwnTopLevelRow(*this, row)) {
            own->Place(pass, x, y, PercentageBaseWidth());
        } else {
            row.PlaceAt(x, y);
        }
    } catch (const std::exception& error) {
        ReportBuildError(index, error.what());
    }
}

void TReport3::ReportBuildError(std::size_t index, const std::string& message) {
    const TBuildError error{static_cast<std::int32_t>(index), message};
    buildErrors_.push_back(error);
    if (buildErrorHandler_) {
        buildErrorHandler_(error);
    }
}
