#include "common/fatal.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "ui/message.h"

namespace lornel::common {

ReportText& ReportText::operator<<(std::string_view part) {
  std::size_t n = 0;
  // A GBK lead byte (0x81 and up) and its trail byte go together or not at all.
  while (!cut_ && n < part.size()) {
    const std::size_t length = static_cast<unsigned char>(part[n]) >= 0x81 ? 2 : 1;
    cut_ = size_ + n + length > kCapacity;
    if (!cut_) n += length;
  }
  n = n < part.size() ? n : part.size();
  std::memcpy(bytes_ + size_, part.data(), n);
  size_ += n;
  return *this;
}

ReportText OutOfMemoryReason(std::size_t bytes) {
  // Byte counts beyond 32 bits are shown as %d shows them: the low 32 bits, signed.
  char number[16];
  const auto end =
      std::to_chars(number, number + sizeof number, static_cast<int>(static_cast<unsigned>(bytes)))
          .ptr;
  ReportText reason;
  reason << "分配 " << std::string_view(number, static_cast<std::size_t>(end - number))
         << " 字节内存失败!";
  return reason;
}

ReportText MissingExportReason(std::string_view library, std::string_view entry) {
  ReportText reason;
  reason << "无法找到指定DLL库文件“" << library << "”中的输出命令“" << entry << "”";
  return reason;
}

ReportText FatalText(std::string_view reason) {
  ReportText text;
  text << "运行时出错!\r\n\r\n错误信息：" << reason << "\r\n";
  return text;
}

void FatalReport(platform::Host& host, std::string_view reason) {
  // A failure while the report is up (a timer's handler that cannot allocate
  // either, inside the box's modal loop) ends the process rather than
  // stacking up reports.
  static bool reporting = false;
  if (reporting) host.ExitProcess(-1);
  struct Reporting {
    Reporting() { reporting = true; }
    ~Reporting() { reporting = false; }
  } scope;
  ui::ShowMessage(host, FatalText(reason), ui::kMbIconError, "错误");
  host.ExitProcess(-1);
  std::abort();  // not reached; GCC does not see [[noreturn]] through the virtual call
}

}  // namespace lornel::common
