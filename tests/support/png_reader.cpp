#include "support/png_reader.hpp"

#include <png.h>

#include <cstring>

namespace polycryst::testing {

std::optional<toolkit::Picture> ReadPng(const std::string& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return std::nullopt;
  image.format = PNG_FORMAT_RGB;
  toolkit::Picture picture(static_cast<int>(image.width), static_cast<int>(image.height));
  if (!png_image_finish_read(&image, nullptr, picture.Bytes().data(), static_cast<png_int_32>(picture.Stride()),
                             nullptr)) {
    png_image_free(&image);
    return std::nullopt;
  }
  return picture;
}

}  // namespace polycryst::testing
