#include "batch/png_writer.hpp"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace polycryst::batch {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool WritePng(const std::string& path, const toolkit::Picture& picture, std::string& error) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    error = std::strerror(errno);
    return false;
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.Width());
  image.height = static_cast<png_uint_32>(picture.Height());
  image.format = PNG_FORMAT_RGB;
  const int ok = png_image_write_to_stdio(&image, file.get(), 0, picture.Bytes().data(),
                                          static_cast<png_int_32>(picture.Stride()), nullptr);
  if (!ok) {
    error = image.message;
    png_image_free(&image);
    return false;
  }
  if (std::fclose(file.release()) != 0) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace polycryst::batch
