#pragma once
// What laying rows out carries down to every row, cell and free text: the
// page their boxes go on and the canvas auto-height cells are measured on.
// Elements take it from whoever lays them out and never look for it
// themselves; what a percentage width is a percentage of goes down beside it.
#include "report/MeasuringCanvas.h"

#include <functional>
#include <memory>

class TReport3Page;

class TLayoutPass {
public:
    // Where boxes go, asked for at every box, since the report moves on to
    // new pages while it builds.
    using TPageSource = std::function<TReport3Page&()>;

    // Places nothing and measures nothing: for elements no report holds.
    TLayoutPass() = default;
    // `canvas`: what to measure on; when there is none, a canvas from
    // `factory` (if given) is made at the first measurement and kept for the pass.
    TLayoutPass(TPageSource page, IMeasuringCanvas* canvas, const TMeasuringCanvasFactory* factory)
        : page_(std::move(page)), canvas_(canvas), factory_(factory) {}

    // The page to put a box on; none when the pass only measures.
    TReport3Page* Page() { return page_ ? &page_() : nullptr; }
    // The measuring canvas; none when auto-height cells stay unmeasured.
    IMeasuringCanvas* Canvas();

private:
    TPageSource page_;
    IMeasuringCanvas* canvas_ = nullptr;
    const TMeasuringCanvasFactory* factory_ = nullptr;
    std::unique_ptr<IMeasuringCanvas> own_;
};
