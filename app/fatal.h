// The fatal error report: the only way the program ends itself on a failure.
#pragma once

#include <cstddef>
#include <string>

#include "ui/host.h"

namespace lornel::app {

inline constexpr const char* kWindowFailedReason = "载入启动窗口失败";
std::string OutOfMemoryReason(std::size_t bytes);
std::string MissingExportReason(const std::string& library, const std::string& entry);

// "运行时出错!" CR LF CR LF "错误信息：" reason CR LF, titled "错误".
std::string FatalText(const std::string& reason);
[[noreturn]] void FatalReport(ui::Host& host, const std::string& reason);

}  // namespace lornel::app
