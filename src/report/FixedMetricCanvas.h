#pragma once
// A measuring canvas with fixed metrics and no toolkit: every character is
// half the font's pixel height wide and a line is the pixel height plus a
// fifth. For tests, the fuzz targets and the benchmarks, where layout must
// not depend on installed fonts.
#include "report/MeasuringCanvas.h"

class TFixedMetricCanvas : public IMeasuringCanvas {
public:
    void SetFont(const std::string& name, std::int32_t size, TFontStyle style) override;
    std::int64_t MeasureWrappedHeight(std::string_view text, std::int64_t width) override;

    // The current font's character width and line height in pixels.
    std::int64_t CharWidth() const { return charWidth_; }
    std::int64_t LineHeight() const { return lineHeight_; }

private:
    std::int64_t charWidth_ = 6;
    std::int64_t lineHeight_ = 15;
};

// A factory for Build that makes fixed-metric canvases.
TMeasuringCanvasFactory FixedMetricCanvasFactory();
