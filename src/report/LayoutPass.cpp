#include "report/LayoutPass.h"

IMeasuringCanvas* TLayoutPass::Canvas() {
    if (canvas_ == nullptr && factory_ != nullptr && *factory_) {
        own_ = (*factory_)();
        canvas_ = own_.get();
        // A factory that gives nothing is not asked again.
        factory_ = nullptr;
    }
    return canvas_;
}
