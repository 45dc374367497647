// The fatal error report: the only way the program ends itself on a failure.
// It must come up when memory has run out (the replacement operator new calls
// it), so its texts are built in fixed buffers and nothing on its way allocates.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/host.h"

namespace lornel::common {

// A text built without the heap; what does not fit is cut at a whole character.
class ReportText {
 public:
  static constexpr std::size_t kCapacity = 1023;
  ReportText& operator<<(std::string_view part);
  std::string_view view() const { return {bytes_, size_}; }
  operator std::string_view() const { return view(); }

 private:
  char bytes_[kCapacity];
  std::size_t size_ = 0;
  bool cut_ = false;  // nothing is added after a cut
};

inline constexpr const char* kWindowFailedReason = "载入启动窗口失败";
ReportText OutOfMemoryReason(std::size_t bytes);
ReportText MissingExportReason(std::string_view library, std::string_view entry);

// "运行时出错!" CR LF CR LF "错误信息：" reason CR LF, titled "错误".
ReportText FatalText(std::string_view reason);
[[noreturn]] void FatalReport(platform::Host& host, std::string_view reason);

}  // namespace lornel::common
