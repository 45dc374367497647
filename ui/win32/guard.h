// No exception may cross a window procedure back into the system: it ends
// the program with the fatal report instead.
#pragma once

#include <windows.h>

#include <exception>

#include "ui/win32/fatal.h"

namespace lornel::win32 {

template <class Body>
LRESULT Guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::exception& e) {
    ReportFatal(e.what());
  } catch (...) {
    ReportFatal("未知异常");
  }
  return 0;
}

}  // namespace lornel::win32
