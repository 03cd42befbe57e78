// Path brackets: shapes drawn between BeginPath and EndPath are gathered
// into one path, then filled, stroked or made the clip.
#include "report/render/emf/EmfPlayback.h"

void TEmfPlayback::BeginPath() {
    path_ = QPainterPath();
}

void TEmfPlayback::EndPath() {
    if (path_) {
        finishedPath_ = std::move(*path_);
        path_.reset();
    }
}

void TEmfPlayback::CloseFigure() {
    if (path_) {
        path_->closeSubpath();
    }
}

void TEmfPlayback::AbortPath() {
    path_.reset();
    finishedPath_ = QPainterPath();
}

void TEmfPlayback::FinishPath(bool fill, bool stroke) {
    QPainterPath path = std::move(finishedPath_);
    finishedPath_ = QPainterPath();
    path_.reset();
    path.setFillRule(dc_.fillRule);
    Draw(path, fill, stroke);
}
