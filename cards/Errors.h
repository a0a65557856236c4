#pragma once
#include <stdexcept>
#include <string>

// Failures of pile operations; the message text is fixed and shown as is.
class EPile : public std::runtime_error {
public:
    explicit EPile(const std::string& message) : std::runtime_error(message) {}
};

// Failures of board operations.
class EBoard : public std::runtime_error {
public:
    explicit EBoard(const std::string& message) : std::runtime_error(message) {}
};
