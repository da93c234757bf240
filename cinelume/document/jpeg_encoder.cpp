#include "cinelume/document/jpeg_encoder.h"

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "platform/atomic_file.h"

namespace cinelume {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Everything libjpeg touches lives here, so nothing with a destructor is
// skipped by its longjmp.
bool Encode(const QImage& rgb, int quality, unsigned char** out, unsigned long* size, std::string* error) {
  jpeg_compress_struct info;
  ErrorManager manager;
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = OnError;
  if (setjmp(manager.jump)) {
    if (error != nullptr) *error = manager.message;
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, out, size);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

bool WriteJpegFile(const QImage& image, int quality, const std::filesystem::path& file, std::string* error) {
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
    if (error != nullptr) *error = "empty picture";
    return false;
  }
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  unsigned char* data = nullptr;
  unsigned long size = 0;
  const bool encoded = Encode(rgb, quality, &data, &size, error);
  bool written = false;
  if (encoded) written = platform::WriteFileAtomically(file, data, size, error);
  std::free(data);
  return encoded && written;
}

}  // namespace cinelume
