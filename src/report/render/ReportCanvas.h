#pragma once
// What a page draws on when it is shown: a QPainter open on a widget, an
// image, a metafile or a printer. The pure report core knows this type only
// by name.
#include <QPainter>

class IReport3Canvas {
public:
    explicit IReport3Canvas(QPainter& painter) : painter_(painter) {}

    QPainter& Painter() const { return painter_; }

private:
    QPainter& painter_;
};
