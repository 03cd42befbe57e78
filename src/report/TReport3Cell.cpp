#include "report/TReport3Cell.h"

#include "report/MeasuringCanvas.h"
#include "report/ReportError.h"
#include "report/TReport3Page.h"
#include "report/TReport3Row.h"
#include "report/TReport3Text.h"
#include "text/Markup.h"
#include "text/Numbers.h"

#include <algorithm>

TReport3Cell::TReport3Cell(TReport3Row* owner) : TReport3Base(owner) {
    style_ = owner->Style();
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
    // A nested row takes the cell's font and frame, not its alignment or fill.
    TElementStyle inherited = style_;
    inherited.Align = TElementStyle{}.Align;
    inherited.Color = kNoColor;
    row->SetStyle(inherited);
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
    TLayoutPass pass = ReportPlacingPass();
    const TReport3Row* row = OwnerRow();
    const TLength whole = EnclosingWidth();
    Place(pass, x, y, Width(whole), row != nullptr ? row->Height(pass, whole) : 0);
}

void TReport3Cell::Place(TLayoutPass& pass, TLength x, TLength y, TLength width,
                         TLength rowHeight) const {
    if (TReport3Page* page = pass.Page()) {
        // Every cell gets its box, also with no text, so frames and fills are drawn.
        TReport3Text& box = page->AddPlacedText(style_, text_);
        box.SetX(x);
        box.SetY(y);
        box.SetW(std::max<TLength>(width, 0));
        box.SetH(std::max<TLength>(rowHeight, 0));
        box.SetInnerRect(inner_);
    }
    TLength rowY = y;
    for (const auto& row : rows_) {
        rowY = AddLengths(rowY, row->Place(pass, x, rowY, width));
    }
    for (const auto& text : texts_) {
        text->Place(pass, x, y);
    }
}

TLength TReport3Cell::GetHeight() const {
    TLayoutPass pass = ReportMeasuringPass();
    return Height(pass, EnclosingWidth());
}

TLength TReport3Cell::Height(TLayoutPass& pass, TLength whole) const {
    if (rows_.empty() && !autoHeight_) {
        return 0;
    }
    const TLength width = Width(whole);
    TLength height = 0;
    for (const auto& row : rows_) {
        height = AddLengths(height, row->Height(pass, width));
    }
    if (autoHeight_) {
        if (IMeasuringCanvas* canvas = pass.Canvas()) {
            const long double measured = MeasuredHeight(*canvas, width);
            height = std::max(height, RoundLength(measured * kLengthPerMm / kPixelsPerMm));
        }
    }
    return height;
}

TLength TReport3Cell::MeasuredHeight(IMeasuringCanvas& canvas, TLength width) const {
    canvas.SetFont(style_.Font, style_.FontSize, style_.FontStyle);
    const std::int64_t box = ToPixels(width) - inner_.Left - inner_.Right - 1;
    std::int64_t height = canvas.MeasureWrappedHeight(text_, box);
    if (height > 0) {
        height += static_cast<std::int64_t>(inner_.Top) + inner_.Bottom + 1;
    }
    return height;
}

TLength TReport3Cell::GetWidth() const {
    return Width(EnclosingWidth());
}

TLength TReport3Cell::Width(TLength whole) const {
    if (widthSpec_.find('%') != std::string::npos) {
        const long double percent = NumberFromText(widthSpec_, 0);
        return RoundLength(percent / 100 * whole);
    }
    // Nested percentage cells are percentages of what the width text alone
    // gives, since the cell's own width depends on theirs.
    const TLength base = MmToLength(TextToIntDef(widthSpec_, 0));
    TLength width = base;
    for (const auto& row : rows_) {
        TLength sum = 0;
        for (const auto& cell : row->Cells()) {
            sum = AddLengths(sum, cell->Width(base));
        }
        width = std::max(width, sum);
    }
    return width;
}

TLength TReport3Cell::EnclosingWidth() const {
    const TReport3Row* row = OwnerRow();
    return row != nullptr ? row->EnclosingWidth() : 0;
}

std::vector<std::shared_ptr<IReport3Row>> TReport3Cell::Rows() const {
    return {rows_.begin(), rows_.end()};
}

TReport3Row* TReport3Cell::OwnerRow() const {
    return dynamic_cast<TReport3Row*>(Owner());
}
