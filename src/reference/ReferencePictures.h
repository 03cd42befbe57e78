#pragma once
// The pictures of the reference browser, drawn in code so that they stay
// crisp at any screen scale.
#include <QIcon>

class QPainter;
class QRectF;

// A pencil over a sheet, filling the rectangle (the list's edit mark).
void DrawEditPicture(QPainter& painter, const QRectF& rect);

// The toolbar's pictures.
QIcon AddIcon();
QIcon EditIcon();
QIcon DeleteIcon();
