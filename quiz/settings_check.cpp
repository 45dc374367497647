#include "quiz/settings_check.h"

#include "config/config.h"
#include "quiz/tables.h"
#include "ui/message.h"

namespace lornel::quiz {

void ConfigCheckOnStart(Context& ctx) {
  if (config::ConfigFileExists(ctx.host, ctx.configPath)) {
    ctx.main.Hide(MainId::StartCover);
    if (config::ReadConfigValue(ctx.host, ctx.configPath, config::kPointsSection,
                                config::kPointsKey)
            .empty())
      ConfigRepairExit(ctx, "加分配置错误", ui::kMbIconWarning);
    return;
  }
  // No title given: the box shows the default "信息：".
  ui::ShowMessage(ctx.host, "未发现配置‘" + ctx.configPath + "’即将写入配置",
                  ui::kMbOk | ui::kMbIconWarning);
  // A folder that cannot be written would otherwise promise the file at every press.
  if (!config::WriteDefaultConfig(ctx.host, ctx.configPath))
    ui::ShowMessage(ctx.host,
                    "无法写入配置‘" + ctx.configPath + "’，请把程序放到可以写入的文件夹中再运行",
                    ui::kMbOk | ui::kMbIconWarning);
}

bool CountdownCheck(Context& ctx, const std::string& value) {
  if (!value.empty()) return true;
  ConfigRepairExit(ctx, "请在配置中填入倒计时时间！", ui::kMbIconInformation);
  return false;
}

void ConfigRepairExit(Context& ctx, const std::string& message, unsigned icon) {
  ui::ShowMessage(ctx.host, message, ui::kMbOk | icon, "不能为空");
  OpenWithShell(ctx.host, ctx.configPath);
  // Queued: the window closes once the running handler has returned.
  ctx.main.RequestClose();
}

void OpenWithShell(platform::Desktop& desktop, const std::string& path) { desktop.ShellOpen(path); }

}  // namespace lornel::quiz
