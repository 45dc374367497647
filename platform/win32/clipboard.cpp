// The clipboard: the editor's paste reads its text, the score bar's copy
// writes text, the ranking's copy text and a picture.
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <utility>

#include "platform/win32/host.h"

namespace lornel::win32 {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

// Moveable memory of size bytes, filled by fill(its start); nullptr when refused.
template <class Fill>
HGLOBAL GlobalFilled(std::size_t size, Fill fill) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  auto* at = static_cast<unsigned char*>(GlobalLock(memory));
  if (!at) {
    GlobalFree(memory);
    return nullptr;
  }
  fill(at);
  GlobalUnlock(memory);
  return memory;
}

HGLOBAL UnicodeText(const std::u16string& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  return GlobalFilled(bytes, [&](unsigned char* at) { std::memcpy(at, text.c_str(), bytes); });
}

// A packed 24-bit bottom-up DIB, which every program that pastes pictures reads.
HGLOBAL Dib(const platform::RgbPicture& picture) {
  const std::size_t width = static_cast<std::size_t>(picture.width);
  const std::size_t height = static_cast<std::size_t>(picture.height);
  if (picture.empty() || picture.rgb.size() < width * height) return nullptr;
  const std::size_t stride = (width * 3 + 3) & ~std::size_t{3};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = picture.width;
  header.biHeight = picture.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride * height);
  return GlobalFilled(sizeof(header) + stride * height, [&](unsigned char* at) {
    std::memcpy(at, &header, sizeof(header));
    for (std::size_t y = 0; y < height; ++y) {
      unsigned char* row = at + sizeof(header) + stride * (height - 1 - y);
      const std::uint32_t* from = picture.rgb.data() + y * width;
      for (std::size_t x = 0; x < width; ++x) {
        row[3 * x] = static_cast<unsigned char>(from[x]);
        row[3 * x + 1] = static_cast<unsigned char>(from[x] >> 8);
        row[3 * x + 2] = static_cast<unsigned char>(from[x] >> 16);
      }
      std::memset(row + 3 * width, 0, stride - 3 * width);
    }
  });
}

// Puts each format's memory on the clipboard, emptied first; once
// SetClipboardData succeeds the memory is the system's, the rest is freed.
bool PutOnClipboard(HWND owner, std::initializer_list<std::pair<UINT, HGLOBAL>> formats) {
  bool put = true;
  for (const auto& [format, memory] : formats) put = put && memory;
  if (put && OpenClipboardSoon(owner)) {
    put = EmptyClipboard();
    for (const auto& [format, memory] : formats)
      if (memory && (!put || !SetClipboardData(format, memory))) {
        GlobalFree(memory);
        put = false;
      }
    CloseClipboard();
    return put;
  }
  for (const auto& [format, memory] : formats)
    if (memory) GlobalFree(memory);
  return false;
}

}  // namespace

std::optional<std::u16string> Win32Host::ClipboardText() {
  if (!OpenClipboardSoon(nullptr)) return std::nullopt;
  std::optional<std::u16string> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const char16_t*>(GlobalLock(data))) {
      const std::size_t limit = GlobalSize(data) / sizeof(char16_t);
      std::size_t length = 0;
      while (length < limit && units[length]) ++length;
      text = std::u16string(units, length);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Host::SetClipboardText(const std::u16string& text, platform::Handle owner) {
  return PutOnClipboard(reinterpret_cast<HWND>(owner), {{CF_UNICODETEXT, UnicodeText(text)}});
}

bool Win32Host::SetClipboardTextAndPicture(const std::u16string& text,
                                           const platform::RgbPicture& picture,
                                           platform::Handle owner) {
  if (picture.empty()) return SetClipboardText(text, owner);
  return PutOnClipboard(reinterpret_cast<HWND>(owner),
                        {{CF_UNICODETEXT, UnicodeText(text)}, {CF_DIB, Dib(picture)}});
}

}  // namespace lornel::win32
