#pragma once
// The preview's pictures, drawn in code: the open hand shown while the user
// drags the pages, and the magnifier of the zoom button.
#include <QCursor>
#include <QIcon>

// The hot spot is the palm's centre.
QCursor MakeHandCursor();
QIcon MakeZoomIcon();
