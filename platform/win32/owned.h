// Scoped owners of Win32 handles: each closes what it holds, cannot be
// copied, and can be moved, so no early return leaks a handle.
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

using OwnedHandle = Owned<KernelCloser>;
using OwnedFile = Owned<FileCloser>;
using OwnedFind = Owned<FindCloser>;

}  // namespace lornel::win32
