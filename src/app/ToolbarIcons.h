#pragma once
// The pictures of the main window's buttons, drawn in code as shapes on a
// 24 x 24 design grid, so that they stay crisp at any size and screen scale.
#include <QIcon>

enum class TPicture { Add, Edit, Delete, Print, Help };

QIcon ToolbarIcon(TPicture picture);
