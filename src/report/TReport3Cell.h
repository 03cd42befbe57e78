#pragma once
// A cell of a row: its own text box, nested rows stacked top to bottom and
// free texts placed from its top-left corner. Owner: its row.
#include "report/ElementStyle.h"
#include "report/TReport3Base.h"

#include <vector>

class TReport3Row;
class TReport3Text;

// How deep rows may nest in cells; deeper templates are refused rather than
// letting layout recurse without bound.
inline constexpr int kMaxRowNesting = 500;

class TReport3Cell : public TReport3Base, public TStyledElement<IReport3Cell> {
public:
    explicit TReport3Cell(TReport3Row* owner);
    ~TReport3Cell() override;

    std::shared_ptr<IReport3Row> AddRow(TLength height) override;
    std::shared_ptr<IReport3Text> AddText() override;
    void PlaceAt(TLength x, TLength y) override;
    TLength GetHeight() const override;
    TLength GetWidth() const override;
    void SetInnerRect(const TIntRect& rect) override { inner_ = rect; }
    TIntRect GetInnerRect() const override { return inner_; }
    void SetWidthSpec(const std::string& widthText) override { widthSpec_ = widthText; }
    const std::string& GetWidthSpec() const override { return widthSpec_; }
    void SetText(const std::string& text) override { text_ = text; }
    const std::string& GetText() const override { return text_; }
    void SetAlign(std::int32_t align) override { style_.Align = align; }
    std::int32_t GetAlign() const override { return style_.Align; }
    void SetAutoHeight(bool autoHeight) override { autoHeight_ = autoHeight; }
    bool GetAutoHeight() const override { return autoHeight_; }
    std::vector<std::shared_ptr<IReport3Row>> Rows() const override;

    // GetWidth, GetHeight and PlaceAt within a pass; `whole` is what a
    // percentage width is a percentage of, `rowHeight` the owning row's height.
    TLength Width(TLength whole) const;
    TLength Height(TLayoutPass& pass, TLength whole) const;
    void Place(TLayoutPass& pass, TLength x, TLength y, TLength width, TLength rowHeight) const;

private:
    TReport3Row* OwnerRow() const;
    TLength EnclosingWidth() const;
    std::int64_t MeasuredHeight(IMeasuringCanvas& canvas, TLength width) const;

    std::vector<std::shared_ptr<TReport3Text>> texts_;
    std::vector<std::shared_ptr<TReport3Row>> rows_;
    std::string widthSpec_ = "100%";
    std::string text_;
    bool autoHeight_ = false;
    TIntRect inner_;
};
