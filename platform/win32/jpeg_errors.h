// libjpeg's errors for a decoder that must not end the process: an error
// leaves through escape (set it with setjmp before the first libjpeg call, in
// a frame that holds only trivially destroyed objects), a warning is noted.
#pragma once

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace lornel::win32 {

struct JpegErrors {
  jpeg_error_mgr base;
  std::jmp_buf escape;
  bool warned = false;  // damaged data: a truncated file decodes grey to its end
};

inline void UseJpegErrors(jpeg_decompress_struct& info, JpegErrors& errors) {
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = [](j_common_ptr i) {
    std::longjmp(reinterpret_cast<JpegErrors*>(i->err)->escape, 1);
  };
  errors.base.emit_message = [](j_common_ptr i, int level) {
    if (level < 0) reinterpret_cast<JpegErrors*>(i->err)->warned = true;
  };
  errors.base.output_message = [](j_common_ptr) {};
}

}  // namespace lornel::win32
