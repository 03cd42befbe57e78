#pragma once
// The form templates the package ships (Windows-1251 file names), made by
// the build from its list of shipped templates; only the installed program
// has them.
#include <string>
#include <vector>

const std::vector<std::string>& ShippedTemplateNames();
