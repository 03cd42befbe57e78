#pragma once
// Plays EMF records onto a QPainter, the picture's frame stretched into a
// target rectangle. Records that cannot be drawn are skipped.
#include "report/render/emf/EmfReader.h"

#include <QRectF>

#include <string_view>

class QPainter;

// bytes is a whole file that ReadEmfHeader accepted, header what it returned.
void PlayEmf(QPainter& painter, std::string_view bytes, const TEmfHeader& header,
             const QRectF& target);
