#include "platform/win32/picture.h"

#include <objbase.h>
#include <wincodec.h>

#include <new>
#include <utility>

#include "platform/picture_file.h"
#include "platform/win32/jpeg_errors.h"
#include "platform/win32/library.h"
#include "platform/win32/owned.h"

namespace lornel::win32 {
namespace {

template <class T>
class Com {
 public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (p_) p_->Release();
  }
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  T** out() { return &p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);

// One factory for the process, made on the UI thread at the first picture.
// ole32 comes from System32 at run time, so the exe imports nothing new and
// a system without WIC simply shows the note.
IWICImagingFactory* Factory() {
  static IWICImagingFactory* factory = [] {
    IWICImagingFactory* made = nullptr;
    HMODULE ole = LoadSystemLibrary(L"ole32.dll");
    if (!ole) return made;
    auto initialize = reinterpret_cast<CoInitializeExFn>(
        reinterpret_cast<void*>(GetProcAddress(ole, "CoInitializeEx")));
    auto create = reinterpret_cast<CoCreateInstanceFn>(
        reinterpret_cast<void*>(GetProcAddress(ole, "CoCreateInstance")));
    if (!initialize || !create) return made;
    // S_FALSE or RPC_E_CHANGED_MODE: COM is already there for this thread, fine too.
    initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                      IID_IWICImagingFactory, reinterpret_cast<void**>(&made))))
      made = nullptr;
    return made;
  }();
  return factory;
}

// Only trivially destroyed objects live in this frame: longjmp skips destructors.
bool ReadJpeg(std::string_view bytes, ui::Pixels* out) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  UseJpegErrors(info, errors);
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (!platform::IsPictureSizeAccepted(info.image_width, info.image_height)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.scale_num = static_cast<unsigned>(platform::JpegEighthsToDecode(
      info.image_width, info.image_height, GetSystemMetrics(SM_CXVIRTUALSCREEN),
      GetSystemMetrics(SM_CYVIRTUALSCREEN)));
  info.scale_denom = 8;
  info.out_color_space = JCS_EXT_BGRA;  // the bytes of 0xAARRGGBB, alpha 0xFF
  jpeg_start_decompress(&info);
  const unsigned w = info.output_width, h = info.output_height;
  out->argb.resize(std::size_t(w) * h);  // bad_alloc passes up: no longjmp involved
  while (info.output_scanline < h) {
    JSAMPROW row[1] = {
        reinterpret_cast<JSAMPROW>(out->argb.data() + std::size_t(info.output_scanline) * w)};
    jpeg_read_scanlines(&info, row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  out->width = int(w);
  out->height = int(h);
  return !errors.warned;
}

}  // namespace

std::optional<ui::Pixels> DecodePicture(std::string_view bytes) {
  const platform::PictureFormat format = platform::SniffPicture(bytes);
  if (bytes.size() > platform::kMaxPictureFileBytes || format == platform::PictureFormat::None)
    return std::nullopt;
  if (format == platform::PictureFormat::Jpeg) {
    ui::Pixels pixels;
    try {
      if (ReadJpeg(bytes, &pixels)) return pixels;
    } catch (const std::bad_alloc&) {
      return std::nullopt;
    }
    // What our libjpeg refuses (CMYK, damage) is the system decoder's to judge.
  }
  IWICImagingFactory* factory = Factory();
  if (!factory) return std::nullopt;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          DWORD(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())))
    return std::nullopt;
  UINT w = 0, h = 0;
  if (FAILED(frame->GetSize(&w, &h)) || !platform::IsPictureSizeAccepted(w, h)) return std::nullopt;
  if (FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  ui::Pixels pixels;
  try {
    pixels.argb.resize(std::size_t(w) * h);
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // a large picture in a fragmented 32-bit address space
  }
  const UINT stride = w * 4;
  // A truncated file decodes as far as it goes on some systems and fails on
  // others; either way what CopyPixels refuses is not shown.
  if (FAILED(converter->CopyPixels(nullptr, stride, UINT(pixels.argb.size() * 4),
                                   reinterpret_cast<BYTE*>(pixels.argb.data()))))
    return std::nullopt;
  pixels.width = int(w);
  pixels.height = int(h);
  return pixels;
}

std::optional<ui::Pixels> LoadPictureFile(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  OwnedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;  // a directory cannot be opened without backup semantics
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 ||
      size.QuadPart > LONGLONG(platform::kMaxPictureFileBytes))
    return std::nullopt;
  std::string bytes;
  try {
    bytes.resize(std::size_t(size.QuadPart));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  DWORD read = 0;
  if (!ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &read, nullptr)) return std::nullopt;
  bytes.resize(read);
  return DecodePicture(bytes);
}

}  // namespace lornel::win32
