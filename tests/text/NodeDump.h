#pragma once
// A markup tree as one line of text, for comparing whole trees in tests:
// name[item=value,...]{child child}.
#include "text/Markup.h"

#include <string>

std::string DumpNode(const TNode& node);
