// Scoped owners of Win32 handles: each closes what it holds, cannot be
// copied, and can be moved, so no early return leaks a handle. The same for
// GDI objects, device contexts and what is selected into one.
#pragma once

#include <windows.h>

#include <utility>

namespace lornel::win32 {

// Closer::Close(h) releases h; Closer::Invalid() is the value that holds nothing.
template <class Closer>
class Owned {
 public:
  using Type = decltype(Closer::Invalid());
  Owned() = default;
  explicit Owned(Type handle) : handle_(handle) {}
  Owned(Owned&& other) noexcept : handle_(other.Release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() { Reset(); }

  Type get() const { return handle_; }
  explicit operator bool() const { return handle_ != Closer::Invalid(); }
  Type Release() { return std::exchange(handle_, Closer::Invalid()); }
  void Reset(Type handle = Closer::Invalid()) {
    if (handle_ != Closer::Invalid()) Closer::Close(handle_);
    handle_ = handle;
  }

 private:
  Type handle_ = Closer::Invalid();
};

// Kernel objects that fail as nullptr: processes, threads, mutexes.
struct KernelCloser {
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
// CreateFileW fails as INVALID_HANDLE_VALUE.
struct FileCloser {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindCloser {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::FindClose(h); }
};

// GDI objects made by the program (never a stock object: deleting one is
// harmless on Windows but still wrong).
template <class Gdi>
struct GdiCloser {
  static Gdi Invalid() { return nullptr; }
  static void Close(Gdi h) { ::DeleteObject(h); }
};
// CreateCompatibleDC's memory DCs.
struct MemoryDcCloser {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { ::DeleteDC(h); }
};

using OwnedHandle = Owned<KernelCloser>;
using OwnedFile = Owned<FileCloser>;
using OwnedFind = Owned<FindCloser>;
using OwnedFont = Owned<GdiCloser<HFONT>>;
using OwnedBitmap = Owned<GdiCloser<HBITMAP>>;
using OwnedBrush = Owned<GdiCloser<HBRUSH>>;
using OwnedRegion = Owned<GdiCloser<HRGN>>;
using OwnedPen = Owned<GdiCloser<HPEN>>;
using OwnedMemoryDc = Owned<MemoryDcCloser>;

// GetDC's device context, given back to the same window at scope end.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// An object selected into a DC; what was there before is selected back at
// scope end, so the DC leaves as it came on every path.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace lornel::win32
