// No exception may cross a window procedure back into the system: it ends
// the program with the fatal report instead.
#pragma once

#include <exception>
#include <new>

#include "ui/win32/form.h"

namespace lornel::win32 {

template <class Body>
LRESULT Guarded(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    ReportFatal("bad_alloc");
  } catch (...) {
    ReportFatal("exception");
  }
  return 0;
}

}  // namespace lornel::win32
