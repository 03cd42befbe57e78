#pragma once
// The pictures on the program's buttons, drawn in code as shapes on a
// 24 x 24 design grid, so that they stay crisp at any size and screen scale.
// Every window draws the same action with the same picture.
#include <QIcon>

class QPainter;
class QRectF;

enum class TPicture { Add, Copy, Edit, Delete, Print, Register, Help, Directory };

// The picture scaled to fill the rectangle.
void DrawPicture(QPainter& painter, const QRectF& rect, TPicture picture);

// An icon that draws the picture at whatever size is asked for; dimmed when disabled.
QIcon PictureIcon(TPicture picture);
