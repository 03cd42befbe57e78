#pragma once
// The measuring canvas on Qt: an 840 x 1188 pixel image (A4 at 4 pixels per
// millimetre) whose fonts are realised at 96 pixels per inch. Text is laid
// out without hinting and with design metrics, so the same fonts give the
// same numbers on every machine ("Arial" is Liberation Sans through
// fontconfig). Needs a QGuiApplication.
#include "report/MeasuringCanvas.h"

#include <QFont>
#include <QImage>

class TQtMeasuringCanvas : public IMeasuringCanvas {
public:
    TQtMeasuringCanvas();

    // Sizes are held to 1..1000 points.
    void SetFont(const std::string& name, std::int32_t size, TFontStyle style) override;
    std::int64_t MeasureWrappedHeight(std::string_view text, std::int64_t width) override;

private:
    QImage image_;
    QFont font_;
};

// A factory for Build that makes Qt measuring canvases.
TMeasuringCanvasFactory QtMeasuringCanvasFactory();
