#pragma once
// The keys of the reference editors' edit boxes: a box takes only the
// characters of its kind, whether typed or pasted, and Enter moves on to the
// next control instead of being typed.
#include "reference/ReferenceRules.h"

class QLineEdit;
class QWidget;

// Guards the box for its life; next is where Enter moves the focus.
void GuardTextBox(QLineEdit& box, TTextKind kind, QWidget& next);
