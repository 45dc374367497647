#include "ui/win32/jpeg.h"

#include "platform/picture_file.h"
#include "platform/win32/jpeg_errors.h"

namespace lornel::win32 {

HBITMAP DecodeJpeg(std::span<const std::uint8_t> bytes, int* width, int* height) {
  if (bytes.size() < 4 || bytes.size() > platform::kMaxPictureFileBytes) return nullptr;
  jpeg_decompress_struct info{};
  JpegErrors errors{};  // a warning is no reason to refuse our own pictures
  UseJpegErrors(info, errors);
  // volatile: these survive the longjmp back into this frame.
  HBITMAP volatile bitmap = nullptr;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    if (bitmap) DeleteObject(bitmap);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  const int w = static_cast<int>(info.output_width), h = static_cast<int>(info.output_height);
  if (!platform::IsPictureSizeAccepted(w, h) || info.output_components != 3) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;  // top-down, as libjpeg delivers the rows
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 24;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  const int stride = (w * 3 + 3) & ~3;
  auto* base = static_cast<unsigned char*>(bits);
  while (info.output_scanline < info.output_height) {
    unsigned char* row = base + static_cast<long>(info.output_scanline) * stride;
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < w; ++x) {  // RGB to the BGR order of a DIB
      unsigned char* p = row + x * 3;
      const unsigned char r = p[0];
      p[0] = p[2];
      p[2] = r;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  GdiFlush();
  *width = w;
  *height = h;
  return bitmap;
}

}  // namespace lornel::win32
