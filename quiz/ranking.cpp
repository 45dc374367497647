#include "quiz/ranking.h"

#include "config/gbk.h"
#include "quiz/play.h"
#include "quiz/round/ranking.h"
#include "quiz/round/results.h"
#include "ui/message.h"

namespace lornel::quiz {

void ToggleRanking(Context& ctx) {
  if (!round::ToggleRanking(ctx.round)) return;
  if (ctx.round.ranking.open) ctx.sounds.Play(platform::Sound::Fanfare);
}

void CloseRanking(Context& ctx) { round::CloseRanking(ctx.round); }

void ToggleRanksOnly(Context& ctx) { round::ToggleRanksOnly(ctx.round); }

void CopyRanking(Context& ctx) {
  if (!ctx.round.ranking.open) return;
  Commit(ctx);  // the picture is of the ranking as it stands
  const ui::Pixels shown = ctx.main.form().RankingPicture();
  platform::RgbPicture picture{shown.width, shown.height, {}};
  picture.rgb.reserve(shown.argb.size());
  for (std::uint32_t pixel : shown.argb) picture.rgb.push_back(pixel & 0xFFFFFFu);
  if (!ctx.host.SetClipboardTextAndPicture(RankingText(ctx.round), picture,
                                           ctx.main.form().OwnerHandle()))
    Tell(ctx, "比赛结果没有复制：剪贴板正被其他程序占用，请稍后再试。",
         ui::kMbOk | ui::kMbIconWarning);
}

std::u16string RankingText(const Round& r) {
  std::string text = "名次\t小组\t得分\r\n";
  for (const Place& p : Rank(r.scores, r.draw.inPlay))
    text += std::to_string(p.place) + "\t" + GroupName(p.group) + "\t" +
            (r.ranking.ranksOnly ? "" : r.scores[p.group - 1].Text()) + "\r\n";
  return config::gbk::ToUnits(text);
}

}  // namespace lornel::quiz
