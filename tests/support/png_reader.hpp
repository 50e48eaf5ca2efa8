#pragma once
#include <optional>
#include <string>

#include "toolkit/picture.hpp"

namespace polycryst::testing {

// Reads an 8-bit RGB (or convertible) PNG; nullopt when the file is missing or bad.
std::optional<toolkit::Picture> ReadPng(const std::string& path);

}  // namespace polycryst::testing
