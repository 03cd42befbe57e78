#pragma once
// Records QPainter drawing as EMF records. Coordinates are kept in device
// pixels: painter transforms that only scale and move are applied to the
// points here, anything else (rotation, shear) is written as a world transform.
#include <QPaintDevice>
#include <QPaintEngine>

#include <functional>
#include <memory>
#include <string>

class TEmfPaintEngine;

// The device a painter draws on; when the painter ends, the finished file
// goes to finished.
class TEmfPaintDevice : public QPaintDevice {
public:
    using TFinished = std::function<void(std::string&& file)>;
    TEmfPaintDevice(int width, int height, TFinished finished);
    ~TEmfPaintDevice() override;

    QPaintEngine* paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int width_;
    int height_;
    std::unique_ptr<TEmfPaintEngine> engine_;
};
