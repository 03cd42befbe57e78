#include "report/TReport3Base.h"

#include "report/TReport3.h"

std::shared_ptr<IReport3Base> TReport3Base::GetOwner() const {
    if (owner_ == nullptr) {
        return nullptr;
    }
    return owner_->shared_from_this();
}

const TReport3* TReport3Base::FindReport() const {
    for (const TReport3Base* element = this; element != nullptr; element = element->owner_) {
        if (const auto* report = dynamic_cast<const TReport3*>(element)) {
            return report;
        }
    }
    return nullptr;
}

TLayoutPass TReport3Base::ReportPlacingPass() {
    TReport3* report = FindReport();
    return report != nullptr ? report->PlacingPass() : TLayoutPass();
}

TLayoutPass TReport3Base::ReportMeasuringPass() const {
    const TReport3* report = FindReport();
    return report != nullptr ? report->MeasuringPass() : TLayoutPass();
}
