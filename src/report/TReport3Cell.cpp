#include "report/TReport3Cell.h"

#include "report/MeasuringCanvas.h"
#include "report/ReportError.h"
#include "report/TReport3.h"
#include "report/TReport3Page.h"
#include "report/TReport3Row.h"
#include "report/TReport3Text.h"
#include "text/Markup.h"
#include "text/Numbers.h"

#include <algorithm>

TReport3Cell::TReport3Cell(TReport3Row* owner) : TReport3Base(owner) {
    font_ = owner->GetFont();
    fontSize_ = owner->GetFontSize();
    fontStyle_ = owner->GetFontStyle();
    frame_ = owner->GetFrame();
    inner_ = owner->GetInnerRect();
}

TReport3Cell::~TReport3Cell() {
    DetachAll(rows_);
    DetachAll(texts_);
}

std::shared_ptr<IReport3Row> TReport3Cell::AddRow(TLength height) {
    const TReport3Row* ownerRow = OwnerRow();
    const int depth = (ownerRow != nullptr ? ownerRow->Depth() : 0) + 1;
    if (depth > kMaxRowNesting) {
        throw EReportError("Строки отчета вложены слишком глубоко");
    }
    auto row = std::make_shared<TReport3Row>(this, depth);
    row->SetFont(font_);
    row->SetFontSize(fontSize_);
    row->SetFontStyle(fontStyle_);
    row->SetFrame(frame_);
    row->SetInnerRect(inner_);
    row->SetHeight(height);
    rows_.push_back(row);
    return row;
}

std::shared_ptr<IReport3Text> TReport3Cell::AddText() {
    auto text = std::make_shared<TReport3Text>(this);
    texts_.push_back(text);
    return text;
}

void TReport3Cell::PlaceAt(TLength x, TLength y) {
    const TReport3Row* row = OwnerRow();
    PlaceWithin(x, y, GetWidth(), row != nullptr ? row->GetHeight() : 0);
}

void TReport3Cell::PlaceWithin(TLength x, TLength y, TLength width, TLength rowHeight) {
    TReport3* report = FindReport();
    if (report != nullptr && OwnerRow() != nullptr) {
        // Every cell gets its box, also with no text, so frames and fills are drawn.
        const auto box = report->PlacementPage().AddText();
        box->SetX(x);
        box->SetY(y);
        box->SetW(std::max<TLength>(width, 0));
        box->SetH(std::max<TLength>(rowHeight, 0));
        box->SetText(text_);
        box->SetFrame(frame_);
        box->SetFont(font_);
        box->SetFontSize(fontSize_);
        box->SetFontStyle(fontStyle_);
        box->SetAlign(align_);
        box->SetColor(color_);
        box->SetInnerRect(inner_);
    }
    TLength rowY = y;
    for (const auto& row : rows_) {
        rowY = AddLengths(rowY, row->Place(x, rowY));
    }
    for (const auto& text : texts_) {
        text->PlaceAt(x, y);
    }
}

TLength TReport3Cell::GetHeight() const {
    TLength height = 0;
    for (const auto& row : rows_) {
        height = AddLengths(height, row->GetHeight());
    }
    if (autoHeight_) {
        const TReport3* report = FindReport();
        IMeasuringCanvas* canvas = report != nullptr ? report->GetCanvas() : nullptr;
        if (canvas != nullptr) {
            // Four pixels to the millimetre.
            const long double measured = MeasuredHeight(*canvas);
            height = std::max(height, RoundLength(measured * kLengthPerMm / 4));
        }
    }
    return height;
}

TLength TReport3Cell::MeasuredHeight(IMeasuringCanvas& canvas) const {
    canvas.SetFont(font_, fontSize_, fontStyle_);
    const std::int64_t width = ToPixels(GetWidth()) - inner_.Left - inner_.Right - 1;
    std::int64_t height = canvas.MeasureWrappedHeight(text_, width);
    if (height > 0) {
        height += static_cast<std::int64_t>(inner_.Top) + inner_.Bottom + 1;
    }
    return height;
}

TLength TReport3Cell::GetWidth() const {
    if (widthSpec_.find('%') != std::string::npos) {
        return PercentageWidth();
    }
    const TLength base = WholeMillimetreWidth();
    if (resolvingWidth_) {
        return base;
    }
    resolvingWidth_ = true;
    TLength width = base;
    for (const auto& row : rows_) {
        TLength sum = 0;
        for (const auto& cell : row->Cells()) {
            sum = AddLengths(sum, cell->GetWidth());
        }
        width = std::max(width, sum);
    }
    resolvingWidth_ = false;
    return width;
}

TLength TReport3Cell::WholeMillimetreWidth() const {
    return MmToLength(TextToIntDef(widthSpec_, 0));
}

TLength TReport3Cell::PercentageWidth() const {
    const TReport3Row* row = OwnerRow();
    if (row == nullptr) {
        return 0;
    }
    long double whole = 0;
    if (const auto* report = dynamic_cast<const TReport3*>(row->Owner())) {
        whole = report->PercentageBaseWidth();
    } else if (const auto* cell = dynamic_cast<const TReport3Cell*>(row->Owner())) {
        whole = cell->GetWidth();
    }
    const long double percent = NumberFromText(widthSpec_, 0);
    return RoundLength(percent / 100 * whole);
}

std::vector<std::shared_ptr<IReport3Row>> TReport3Cell::Rows() const {
    return {rows_.begin(), rows_.end()};
}

TReport3Row* TReport3Cell::OwnerRow() const {
    return dynamic_cast<TReport3Row*>(Owner());
}
