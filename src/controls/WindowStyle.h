#pragma once
// What the program's dialogs share in their looks.
class QWidget;

// The windows' font: Arial of 13 pixels.
void SetWindowFont(QWidget& window);

// Puts the window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);
