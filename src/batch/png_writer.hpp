#pragma once
#include <string>

#include "toolkit/picture.hpp"

namespace polycryst::batch {

// Writes the picture as an 8-bit RGB PNG; false with a reason on failure.
bool WritePng(const std::string& path, const toolkit::Picture& picture, std::string& error);

}  // namespace polycryst::batch
