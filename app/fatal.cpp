#include "app/fatal.h"

#include "ui/message.h"

namespace lornel::app {

std::string OutOfMemoryReason(std::size_t bytes) {
  // Byte counts beyond 32 bits are shown as %d shows them: the low 32 bits, signed.
  return "分配 " + std::to_string(static_cast<int>(static_cast<unsigned>(bytes))) +
         " 字节内存失败!";
}

std::string MissingExportReason(const std::string& library, const std::string& entry) {
  return "无法找到指定DLL库文件“" + library + "”中的输出命令“" + entry + "”";
}

std::string FatalText(const std::string& reason) {
  return "运行时出错!\r\n\r\n错误信息：" + reason + "\r\n";
}

void FatalReport(ui::Host& host, const std::string& reason) {
  ui::ShowMessage(host, FatalText(reason), ui::kMbIconError, "错误");
  host.ExitProcess(-1);
}

}  // namespace lornel::app
