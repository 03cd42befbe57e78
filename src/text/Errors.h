#pragma once
// The one small hierarchy of errors raised by the engine, the parsers and the
// store. Every message is Windows-1251 text, shown to the user as it stands.
#include <stdexcept>
#include <string>

// Base of every error the program raises on purpose.
class EAppError : public std::runtime_error {
public:
    explicit EAppError(const std::string& message) : std::runtime_error(message) {}
};

// Malformed text handed to a parser (markup, templates, section trees, tables).
class EParseError : public EAppError {
public:
    using EAppError::EAppError;
};

// A file that cannot be opened, read or written.
class EFileError : public EAppError {
public:
    using EAppError::EAppError;
};

// A value that cannot be converted or formatted (a bad format pattern, say).
class EConvertError : public EAppError {
public:
    using EAppError::EAppError;
};
