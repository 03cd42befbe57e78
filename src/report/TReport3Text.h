#pragma once
// A free text of a cell (owner: the cell; X and Y from the cell's corner) or
// a page text (no owner; X and Y from the page's corner). A text whose
// content begins with "!EMF" is a picture.
#include "report/ElementStyle.h"
#include "report/TReport3Base.h"

class TReport3Text : public TReport3Base, public TStyledElement<IReport3Text> {
public:
    explicit TReport3Text(TReport3Base* owner) : TReport3Base(owner) {}

    // A text's change is its owner's change.
    void Changed() override;

    void PlaceAt(TLength x, TLength y) override;
    void SetMetafile(std::string_view metafileBytes) override;
    void DrawChart(const std::vector<std::string>& labels, int kind,
                   const std::vector<std::string>& seriesNames, int option,
                   const std::vector<double>& values) override;

    void SetInnerRect(const TIntRect& rect) override;
    TIntRect GetInnerRect() const override { return inner_; }
    void SetX(TLength x) override;
    TLength GetX() const override { return x_; }
    void SetY(TLength y) override;
    TLength GetY() const override { return y_; }
    void SetW(TLength w) override;
    TLength GetW() const override { return w_; }
    void SetH(TLength h) override;
    TLength GetH() const override { return h_; }
    void SetText(const std::string& text) override;
    const std::string& GetText() const override { return text_; }
    void SetAlign(std::int32_t align) override { style_.Align = align; }
    std::int32_t GetAlign() const override { return style_.Align; }

    // PlaceAt within a pass.
    void Place(TLayoutPass& pass, TLength x, TLength y) const;

private:
    TIntRect inner_;
    TLength x_ = 0;
    TLength y_ = 0;
    TLength w_ = 20 * kLengthPerMm;
    TLength h_ = 5 * kLengthPerMm;
    std::string text_;
};
