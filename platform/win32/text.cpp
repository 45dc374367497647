#include "platform/win32/text.h"

#include <windows.h>

namespace lornel::win32 {

namespace {
constexpr UINT kGbk = 936;
}

std::wstring Wide(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int n = MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
  return out;
}

bool WideInto(std::string_view gbk, wchar_t* out, std::size_t capacity) {
  const int n = gbk.empty() ? 0
                            : MultiByteToWideChar(kGbk, 0, gbk.data(), static_cast<int>(gbk.size()),
                                                  out, static_cast<int>(capacity) - 1);
  const bool fits = gbk.empty() || n > 0;
  out[fits ? n : 0] = L'\0';
  return fits;
}

std::string Gbk(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(kGbk, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                        nullptr);
  return out;
}

}  // namespace lornel::win32
