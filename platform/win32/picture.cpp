#include "platform/win32/picture.h"

#include <objbase.h>
#include <wincodec.h>

#include <new>
#include <utility>

#include "platform/picture_file.h"
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

}  // namespace

std::optional<ui::Pixels> DecodePicture(std::string_view bytes) {
  if (bytes.size() > platform::kMaxPictureFileBytes ||
      platform::SniffPicture(bytes) == platform::PictureFormat::None)
    return std::nullopt;
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
