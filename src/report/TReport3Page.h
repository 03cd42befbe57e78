#pragma once
// One page of a built report, as data: its page texts in drawing order, its
// size in whole millimetres and its orientation. The page image is made by
// the drawing layer the report's services lead to, kept, and made again only
// after a change has marked it stale.
#include "report/ElementStyle.h"
#include "report/ReportServices.h"
#include "report/TReport3Base.h"

#include <vector>

class TReport3Text;

class TReport3Page : public TReport3Base, public IReport3Page {
public:
    TReport3Page(TReport3Base* owner, std::int32_t number) : TReport3Base(owner), number_(number) {}

    std::shared_ptr<IReport3Text> AddText() override;
    void Clear() override;
    void Invalidate() override { stale_ = true; }
    void Draw(IReport3Canvas* canvas, std::int32_t zoom, std::int32_t x, std::int32_t y) override;
    void SaveToMetafile(const std::filesystem::path& fileName) override;
    void Print() override;
    std::int32_t TextCount() const override { return static_cast<std::int32_t>(texts_.size()); }
    std::shared_ptr<IReport3Text> GetText(std::int32_t number) const override;
    void SetWidth(std::int32_t width) override;
    std::int32_t GetWidth() const override { return width_; }
    void SetHeight(std::int32_t height) override;
    std::int32_t GetHeight() const override { return height_; }
    void SetOrientation(TOrientation orientation) override;
    TOrientation GetOrientation() const override { return orientation_; }
    std::int32_t GetNumber() const override { return number_; }

    // A new page text with that style and content, as placing makes them.
    TReport3Text& AddPlacedText(const TElementStyle& style, const std::string& text);
    // Whether the page image must be redrawn before use.
    bool IsStale() const { return stale_; }
    // The page image, drawn first when stale.
    const IPageImage& Image();
    // Marks the kept image as showing the contents (for tests of the flag).
    void MarkRendered() { stale_ = false; }

private:
    const TReportServices& Services(std::string_view operation);
    std::shared_ptr<TReport3Text> NewText();

    std::int32_t number_;
    std::vector<std::shared_ptr<TReport3Text>> texts_;
    std::int32_t width_ = 210;
    std::int32_t height_ = 297;
    TOrientation orientation_ = kOrientationUnset;
    bool stale_ = true;
    std::shared_ptr<const IPageImage> image_;
};
