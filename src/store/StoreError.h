#pragma once
// Errors of the tables and their files.
#include "text/Errors.h"

// A table that cannot be loaded, saved or used, or a field that is not there.
class EStoreError : public EAppError {
public:
    using EAppError::EAppError;
};
