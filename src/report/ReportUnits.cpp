#include "report/ReportUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>

TLength RoundLength(long double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exact in long double; anything at or past it does not fit.
    constexpr long double kLimit = 9223372036854775808.0L;
    if (value >= kLimit) {
        return std::numeric_limits<TLength>::max();
    }
    if (value < -kLimit) {
        return std::numeric_limits<TLength>::min();
    }
    // The default rounding mode rounds half to even.
    const long double rounded = std::nearbyint(value);
    if (rounded >= kLimit) {
        return std::numeric_limits<TLength>::max();
    }
    return static_cast<TLength>(rounded);
}

TLength AddLengths(TLength a, TLength b) {
    TLength sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return b > 0 ? std::numeric_limits<TLength>::max() : std::numeric_limits<TLength>::min();
    }
    return sum;
}

TLength MmToLength(std::int64_t mm) {
    return RoundLength(static_cast<long double>(mm) * kLengthPerMm);
}

std::int64_t ToPixels(TLength length) {
    return RoundLength((static_cast<long double>(length) * kPixelsPerMm + 0.1L) / kLengthPerMm);
}

std::int32_t ClampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
