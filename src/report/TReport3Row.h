#pragma once
// A horizontal band of cells laid out left to right. Owner: the report (a
// top-level row) or a cell (a nested row).
#include "report/ElementStyle.h"
#include "report/TReport3Base.h"

#include <vector>

class TReport3Cell;

class TReport3Row : public TReport3Base, public TStyledElement<IReport3Row> {
public:
    // `depth`: 0 for a top-level row, one more for each enclosing cell.
    TReport3Row(TReport3Base* owner, int depth) : TReport3Base(owner), depth_(depth) {}
    ~TReport3Row() override;

    std::shared_ptr<IReport3Cell> AddCell(const std::string& widthSpec) override;
    std::shared_ptr<IReport3Cell> AddTextCell(const std::string& widthSpec, const std::string& text,
                                              const std::string& frame,
                                              std::int32_t align) override;
    std::shared_ptr<IReport3Cell> AddStyledCell(const std::string& widthSpec,
                                                const std::string& text, const std::string& frame,
                                                std::int32_t align, std::int32_t fontSize,
                                                TFontStyle fontStyle) override;
    void PlaceAt(TLength x, TLength y) override;
    std::int32_t CellCount() const override { return static_cast<std::int32_t>(cells_.size()); }
    std::shared_ptr<IReport3Cell> GetCell(std::int32_t number) const override;
    std::shared_ptr<IReport3> GetReport() const override;
    void SetInnerRect(const TIntRect& rect) override { inner_ = rect; }
    TIntRect GetInnerRect() const override { return inner_; }
    void SetHeight(TLength height) override;
    TLength GetHeight() const override;
    void SetHeader(const std::shared_ptr<IReport3Row>& header) override;
    std::shared_ptr<IReport3Row> GetHeader() const override { return header_.lock(); }
    void SetOrientation(TOrientation orientation) override { orientation_ = orientation; }
    TOrientation GetOrientation() const override { return orientation_; }
    void SetPageFeed(bool pageFeed) override { pageFeed_ = pageFeed; }
    bool GetPageFeed() const override { return pageFeed_; }

    // The laid-out height and PlaceAt within a pass; `whole` is what the
    // cells' percentage widths are percentages of.
    TLength Height(TLayoutPass& pass, TLength whole) const;
    // The height the row took.
    TLength Place(TLayoutPass& pass, TLength x, TLength y, TLength whole) const;
    // What the row's percentage cells are percentages of where it stands:
    // its report's base width or its cell's width; 0 when detached.
    TLength EnclosingWidth() const;
    int Depth() const { return depth_; }
    const std::vector<std::shared_ptr<TReport3Cell>>& Cells() const { return cells_; }

private:
    int depth_;
    TLength height_ = 5 * kLengthPerMm;
    // Weak: a header is a row of the report (or of a cell) already, and a row
    // may name itself or a later row, which must not make an ownership cycle.
    std::weak_ptr<IReport3Row> header_;
    std::vector<std::shared_ptr<TReport3Cell>> cells_;
    TOrientation orientation_ = kOrientationUnset;
    bool pageFeed_ = false;
    TIntRect inner_;
};
