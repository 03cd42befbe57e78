#include "report/TReport3Row.h"

#include "report/TReport3.h"
#include "report/TReport3Cell.h"

#include <algorithm>

TReport3Row::~TReport3Row() {
    DetachAll(cells_);
}

std::shared_ptr<IReport3Cell> TReport3Row::AddCell(const std::string& widthSpec) {
    auto cell = std::make_shared<TReport3Cell>(this);
    cell->SetWidthSpec(widthSpec);
    cells_.push_back(cell);
    return cell;
}

std::shared_ptr<IReport3Cell> TReport3Row::AddTextCell(const std::string& widthSpec,
                                                       const std::string& text,
                                                       const std::string& frame,
                                                       std::int32_t align) {
    auto cell = AddCell(widthSpec);
    cell->SetText(text);
    cell->SetAlign(align);
    cell->SetFrame(frame);
    return cell;
}

std::shared_ptr<IReport3Cell> TReport3Row::AddStyledCell(const std::string& widthSpec,
                                                         const std::string& text,
                                                         const std::string& frame,
                                                         std::int32_t align, std::int32_t fontSize,
                                                         TFontStyle fontStyle) {
    auto cell = AddTextCell(widthSpec, text, frame, align);
    cell->SetFontSize(fontSize);
    cell->SetFontStyle(fontStyle);
    return cell;
}

void TReport3Row::PlaceAt(TLength x, TLength y) {
    TLayoutPass pass = ReportPlacingPass();
    Place(pass, x, y, EnclosingWidth());
}

TLength TReport3Row::Place(TLayoutPass& pass, TLength x, TLength y, TLength whole) const {
    // Every cell is as tall as the row; measure it once for all of them.
    const TLength height = Height(pass, whole);
    for (const auto& cell : cells_) {
        const TLength width = cell->Width(whole);
        cell->Place(pass, x, y, width, height);
        x = AddLengths(x, width);
    }
    return height;
}

TLength TReport3Row::EnclosingWidth() const {
    if (const auto* report = dynamic_cast<const TReport3*>(Owner())) {
        return report->PercentageBaseWidth();
    }
    if (const auto* cell = dynamic_cast<const TReport3Cell*>(Owner())) {
        return cell->GetWidth();
    }
    return 0;
}

std::shared_ptr<IReport3Cell> TReport3Row::GetCell(std::int32_t number) const {
    if (number < 1 || number > CellCount()) {
        return nullptr;
    }
    return cells_[static_cast<std::size_t>(number - 1)];
}

std::shared_ptr<IReport3> TReport3Row::GetReport() const {
    const TReport3* report = FindReport();
    if (report == nullptr) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<IReport3>(
        std::const_pointer_cast<TReport3Base>(report->shared_from_this()));
}

void TReport3Row::SetHeight(TLength height) {
    height_ = height;
    Changed();
}

TLength TReport3Row::GetHeight() const {
    TLayoutPass pass = ReportMeasuringPass();
    return Height(pass, EnclosingWidth());
}

TLength TReport3Row::Height(TLayoutPass& pass, TLength whole) const {
    TLength height = height_;
    for (const auto& cell : cells_) {
        height = std::max(height, cell->Height(pass, whole));
    }
    return height;
}

void TReport3Row::SetHeader(const std::shared_ptr<IReport3Row>& header) {
    header_ = header;
    Changed();
}
