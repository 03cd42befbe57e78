#pragma once
// The help window's page: rich text whose images "picture:add", "picture:edit",
// "picture:delete", "picture:print" and "picture:help" are the toolbar's.
#include <string>

const std::string& HelpPageText();
