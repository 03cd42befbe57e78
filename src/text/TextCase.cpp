#include "text/TextCase.h"

std::string UpperCaseCyr(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) {
            c = static_cast<char>(byte - 32);
        } else if (byte == 0xB8) { // ё
            c = static_cast<char>(0xA8);
        }
    }
    return result;
}

char LowerCaseCyrChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF)) {
        return static_cast<char>(byte + 32);
    }
    return byte == 0xA8 ? static_cast<char>(0xB8) : c; // Ё
}

std::string LowerCaseCyr(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = LowerCaseCyrChar(c);
    }
    return result;
}
