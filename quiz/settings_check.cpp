#include "quiz/settings_check.h"

#include "config/config.h"
#include "quiz/play.h"
#include "ui/message.h"

namespace lornel::quiz {

void ConfigCheckOnStart(Context& ctx) {
  if (config::ConfigFileExists(ctx.host, ctx.configPath)) {
    ctx.round.started = true;
    if (config::ReadConfigValue(ctx.host, ctx.configPath, config::kPointsSection,
                                config::kPointsKey)
            .empty())
      ConfigRepairExit(ctx, "加分配置错误", ui::kMbIconWarning);
    return;
  }
  // No title given: the box shows the default "信息：".
  Tell(ctx, "未发现配置‘" + ctx.configPath + "’即将写入配置", ui::kMbOk | ui::kMbIconWarning);
  // A folder that cannot be written would otherwise promise the file at every press.
  if (!config::WriteDefaultConfig(ctx.host, ctx.configPath))
    Tell(ctx, "无法写入配置‘" + ctx.configPath + "’，请把程序放到可以写入的文件夹中再运行",
         ui::kMbOk | ui::kMbIconWarning);
}

}  // namespace lornel::quiz
