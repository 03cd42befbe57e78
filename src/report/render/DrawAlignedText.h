#pragma once
// Text drawn inside a rectangle by an alignment code laid out like a numeric
// keypad: 1, 4, 7 left; 2, 5, 8 centred; 3, 6, 9 right; 1-3 top, 4-6 middle,
// 7-9 bottom. Any other code places the text as 5 does but draws it left
// aligned. Lines are laid out as the report's measuring canvas lays them out,
// so drawn lines match measured heights. The painter's font is used.
#include <string>

class QPainter;

// `text` is Windows-1251; coordinates are the painter's pixels.
void DrawAlignedText(QPainter& canvas, int x, int y, int width, int height, const std::string& text,
                     int alignment, bool wordWrap);
