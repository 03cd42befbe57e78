#pragma once
// Errors of the report engine: template interpretation, layout and the
// operations a build of the program does not provide.
#include "text/Errors.h"

#include <string>
#include <string_view>

class EReportError : public EAppError {
public:
    using EAppError::EAppError;
};

// The error of an operation that needs the drawing layer, which this
// program was made without (page images, printing, charts, export, preview).
[[noreturn]] void RaiseNotAvailable(std::string_view operation);

// The service itself, or the not-available error when the program has none.
template <class TService>
const TService& RequireService(const TService& service, std::string_view operation) {
    if (!service) {
        RaiseNotAvailable(operation);
    }
    return service;
}
