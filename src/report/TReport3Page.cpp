#include "report/TReport3Page.h"

#include "report/ReportError.h"
#include "report/TReport3.h"
#include "report/TReport3Text.h"

#include <algorithm>

std::shared_ptr<IReport3Text> TReport3Page::AddText() {
    return NewText();
}

TReport3Text& TReport3Page::AddPlacedText(const TElementStyle& style, const std::string& text) {
    TReport3Text& placed = *NewText();
    placed.SetStyle(style);
    placed.SetText(text);
    return placed;
}

std::shared_ptr<TReport3Text> TReport3Page::NewText() {
    auto text = std::make_shared<TReport3Text>(nullptr);
    texts_.push_back(text);
    stale_ = true;
    return text;
}

void TReport3Page::Clear() {
    texts_.clear();
    stale_ = true;
}

const TReportServices& TReport3Page::Services(std::string_view operation) {
    const TReport3* report = FindReport();
    if (report == nullptr) {
        RaiseNotAvailable(operation);
    }
    return report->Services();
}

const IPageImage& TReport3Page::Image() {
    if (stale_ || image_ == nullptr) {
        image_ = RequireService(Services("Draw").RenderPage, "Draw")(*this);
        stale_ = false;
    }
    return *image_;
}

void TReport3Page::Draw(IReport3Canvas* canvas, std::int32_t zoom, std::int32_t x, std::int32_t y) {
    if (canvas == nullptr) {
        Print();
        return;
    }
    const auto& draw = RequireService(Services("Draw").DrawPage, "Draw");
    draw(Image(), *canvas, zoom, x, y);
}

void TReport3Page::SaveToMetafile(const std::filesystem::path& fileName) {
    RequireService(Services("SaveToMetafile").SaveMetafile, "SaveToMetafile")(*this, fileName);
}

void TReport3Page::Print() {
    const auto& print = RequireService(Services("Print").PrintPage, "Print");
    print(Image());
}

std::shared_ptr<IReport3Text> TReport3Page::GetText(std::int32_t number) const {
    if (number < 1 || number > TextCount()) {
        return nullptr;
    }
    return texts_[static_cast<std::size_t>(number - 1)];
}

void TReport3Page::SetWidth(std::int32_t width) {
    width_ = width;
    stale_ = true;
}

void TReport3Page::SetHeight(std::int32_t height) {
    height_ = height;
    stale_ = true;
}

void TReport3Page::SetOrientation(TOrientation orientation) {
    orientation_ = orientation;
    const bool landscape = orientation >= kOrientationLandscape;
    width_ = landscape ? 297 : 210;
    height_ = landscape ? 210 : 297;
    // The page-level texts come first; they sit 10 mm above the bottom edge.
    const std::size_t pageLevel = std::min<std::size_t>(texts_.size(), 2);
    for (std::size_t i = 0; i < pageLevel; ++i) {
        TReport3Text& text = *texts_[i];
        if (text.GetName() == "$pagenumber") {
            text.SetX(MmToLength(width_ / 2 - 10));
            text.SetY(MmToLength(height_ - 10));
        } else if (text.GetName() == "$reportcode") {
            text.SetX(MmToLength(20));
            text.SetY(MmToLength(height_ - 10));
        }
    }
    stale_ = true;
}
