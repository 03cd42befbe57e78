#pragma once
// Base64 with the standard alphabet and "=" padding, for pictures kept in texts.
#include <string>
#include <string_view>

std::string Base64Encode(std::string_view bytes);
