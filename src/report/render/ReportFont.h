#pragma once
// The fonts of the report: face, size in points and style bits, realised at
// 96 pixels per inch whatever the device, so that the page image, the
// measuring canvas and every zoom agree. Hinting is off so that the same
// font gives the same metrics on every machine.
#include "report/ReportUnits.h"

#include <QFont>

#include <cstdint>
#include <string>

// Sizes are held to 1..1000 points.
QFont ReportFont(const std::string& name, std::int32_t size, TFontStyle style);
