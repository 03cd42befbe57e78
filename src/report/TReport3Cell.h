#pragma once
// A cell of a row: its own text box, nested rows stacked top to bottom and
// free texts placed from its top-left corner. Owner: its row.
#include "report/TReport3Base.h"

#include <vector>

class TReport3Row;
class TReport3Text;

// How deep rows may nest in cells; deeper templates are refused rather than
// letting layout recurse without bound.
inline constexpr int kMaxRowNesting = 500;

class TReport3Cell : public TReport3Base, public IReport3Cell {
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
    void SetFrame(const std::string& frame) override { frame_ = frame; }
    const std::string& GetFrame() const override { return frame_; }
    void SetFont(const std::string& name) override { font_ = name; }
    const std::string& GetFont() const override { return font_; }
    void SetFontSize(std::int32_t size) override { fontSize_ = size; }
    std::int32_t GetFontSize() const override { return fontSize_; }
    void SetFontStyle(TFontStyle style) override { fontStyle_ = style; }
    TFontStyle GetFontStyle() const override { return fontStyle_; }
    void SetAlign(std::int32_t align) override { align_ = align; }
    std::int32_t GetAlign() const override { return align_; }
    void SetColor(TColor color) override { color_ = color; }
    TColor GetColor() const override { return color_; }
    void SetAutoHeight(bool autoHeight) override { autoHeight_ = autoHeight; }
    bool GetAutoHeight() const override { return autoHeight_; }
    std::vector<std::shared_ptr<IReport3Row>> Rows() const override;

    // PlaceAt with the width and the owning row's height already resolved.
    void PlaceWithin(TLength x, TLength y, TLength width, TLength rowHeight);

private:
    TReport3Row* OwnerRow() const;
    TLength WholeMillimetreWidth() const;
    TLength PercentageWidth() const;
    std::int64_t MeasuredHeight(IMeasuringCanvas& canvas) const;

    std::vector<std::shared_ptr<TReport3Text>> texts_;
    std::vector<std::shared_ptr<TReport3Row>> rows_;
    std::string widthSpec_ = "100%";
    std::string text_;
    std::string font_ = "Arial";
    std::int32_t fontSize_ = 10;
    TFontStyle fontStyle_ = 0;
    std::string frame_;
    std::int32_t align_ = 5;
    TColor color_ = kNoColor;
    bool autoHeight_ = false;
    TIntRect inner_;
    // Set while the width is being resolved: a percentage cell nested in
    // this one asks for it again, and then gets what its width text alone gives.
    mutable bool resolvingWidth_ = false;
};
