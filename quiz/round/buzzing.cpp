#include "quiz/round/buzzing.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "quiz/round/answer.h"
#include "quiz/round/board.h"
#include "quiz/round/choosing.h"
#include "quiz/round/countdown.h"
#include "quiz/round/groups.h"

namespace lornel::quiz::round {
namespace {

using Stage = Buzz::Stage;

// Key times wrap; only their difference means something.
std::int32_t Lag(std::uint32_t later, std::uint32_t earlier) {
  return static_cast<std::int32_t>(later - earlier);
}

int IndexOf(const Buzz& b, int g) {
  for (std::size_t i = 0; i < b.order.size(); ++i)
    if (b.order[i].group == g) return static_cast<int>(i);
  return -1;
}

std::string GroupWord(int g) { return std::string("第") + GroupNumeral(g) + "组"; }

void RunBuzzCountdown(Round& r) {
  CountdownStop(r);
  CountdownPrepare(r, r.buzz.seconds);
  CountdownStart(r, std::to_string(r.buzz.seconds));
}

// The group of press i answers, with the question's countdown afresh and an
// empty answer box.
void GiveTurn(Round& r, int i, bool makeUp) {
  Buzz& b = r.buzz;
  b.stage = Stage::Turn;
  b.turn = i;
  b.makeUp = makeUp;
  r.group = b.order[static_cast<std::size_t>(i)].group;
  r.checkArmed = true;
  PutUpOptions(r);  // a choice question's options, for the group that won
  ++r.answerBoxClears;
  CountdownStop(r);
  CountdownPrepare(r, config::TextToInteger(b.countdownValue));
  if (!b.countdownValue.empty()) CountdownStart(r, b.countdownValue);
}

// Nobody answers; the buzz is open again for the groups left.
void Reopen(Round& r) {
  r.buzz.stage = Stage::Open;
  r.buzz.turn = -1;
  r.buzz.makeUp = false;
  r.group = 0;
  r.checkArmed = false;
  RunBuzzCountdown(r);
}

bool AnyoneLeft(const Round& r) {
  for (int g = 1; g <= r.buzz.groups; ++g)
    if (MayBuzz(r, g)) return true;
  return false;
}

// As at a time-out: the answer uncovered, the question locked.
void EndWithNoneLeft(Round& r) {
  CountdownStop(r);
  UncoverAnswer(r);
  CloseQuestion(r);
}

int Holder(const Buzz& b) {
  return b.stage == Stage::Turn ? b.order[static_cast<std::size_t>(b.turn)].group : 0;
}

bool Waiting(const Buzz& b) {
  for (const BuzzPress& p : b.order)
    if (!p.answered) return true;
  return false;
}

}  // namespace

void AnswerBy(Round& r, WaySettings s) {
  Buzz b;
  b.way = s.way;
  b.opening = r.buzz.opening + 1;
  b.groups = std::clamp(s.groups, 1, kGroupCount);
  b.seconds = std::max(0, s.seconds);
  b.foulPenalty = s.foulPenalty;
  b.wrongPenalty = s.wrongPenalty;
  b.keys = std::move(s.keys);
  b.countdownValue = std::move(s.countdownValue);
  r.buzz = std::move(b);
  if (s.way == AnswerWay::Assigned) return;
  r.choosingGroup = false;
  r.checkArmed = false;
  r.group = 0;
  if (s.way == AnswerWay::Everyone) {
    PutUpOptions(r);  // for the whole class to read; nobody taps them
    CountdownPrepare(r, config::TextToInteger(r.buzz.countdownValue));
    if (!r.buzz.countdownValue.empty()) CountdownStart(r, r.buzz.countdownValue);
  }
}

bool BuzzLive(const Round& r) {
  return r.open != 0 && r.buzz.way == AnswerWay::Buzz && !r.answerUncovered;
}

bool MayBuzz(const Round& r, int g) {
  const Buzz& b = r.buzz;
  if (g < 1 || g > b.groups || b.fouled[g - 1]) return false;
  const int i = IndexOf(b, g);
  return i < 0 || !b.order[static_cast<std::size_t>(i)].answered;
}

bool BuzzKeyLive(const Round& r, int g) { return BuzzLive(r) && MayBuzz(r, g); }

Pressed PressBuzzKey(Round& r, int g, std::uint32_t time) {
  if (!BuzzKeyLive(r, g)) return Pressed::Ignored;
  Buzz& b = r.buzz;
  switch (b.stage) {
    case Stage::Ready:
      b.fouled[g - 1] = true;
      r.scores[g - 1] = r.scores[g - 1] - b.foulPenalty;
      if (!AnyoneLeft(r)) EndWithNoneLeft(r);
      return Pressed::Foul;
    case Stage::Open: {
      // A group still waiting from before an undo takes its own place.
      int i = IndexOf(b, g);
      if (i < 0) {
        b.order.push_back({g, time});
        i = static_cast<int>(b.order.size()) - 1;
      }
      GiveTurn(r, i, false);
      return Pressed::Won;
    }
    case Stage::Turn: {
      if (IndexOf(b, g) >= 0) return Pressed::Ignored;
      // By the key's own time, never ahead of the group answering; on a tie
      // the message that came first stays first.
      auto at = b.order.end();
      const auto first = b.order.begin() + b.turn + 1;
      while (at != first && Lag(time, std::prev(at)->time) < 0) --at;
      b.order.insert(at, {g, time});
      return Pressed::Queued;
    }
  }
  return Pressed::Ignored;
}

bool StartBuzz(Round& r) {
  if (!BuzzLive(r) || r.buzz.stage != Stage::Ready) return false;
  r.buzz.stage = Stage::Open;
  RunBuzzCountdown(r);
  return true;
}

Passed PassTurn(Round& r) {
  Buzz& b = r.buzz;
  if (!BuzzLive(r) || b.stage != Stage::Turn) return Passed::NotATurn;
  BuzzPress& wrong = b.order[static_cast<std::size_t>(b.turn)];
  wrong.answered = true;
  r.scores[wrong.group - 1] = r.scores[wrong.group - 1] - b.wrongPenalty;
  for (std::size_t i = 0; i < b.order.size(); ++i)
    if (!b.order[i].answered) {
      GiveTurn(r, static_cast<int>(i), true);
      return Passed::NextInOrder;
    }
  if (AnyoneLeft(r)) {
    Reopen(r);
    return Passed::BuzzAgain;
  }
  EndWithNoneLeft(r);
  return Passed::NoneLeft;
}

bool NobodyBuzzed(const Round& r) { return BuzzLive(r) && r.buzz.stage == Stage::Open; }

std::string OrderText(const Buzz& b) {
  if (b.order.empty()) return "";
  std::string text = std::string("抢答顺序：") + GroupNumeral(b.order.front().group);
  for (std::size_t i = 1; i < b.order.size(); ++i) {
    const std::int32_t lag = Lag(b.order[i].time, b.order.front().time);
    const std::int64_t hundredths = (std::abs(static_cast<std::int64_t>(lag)) + 5) / 10;
    char gap[40];
    std::snprintf(gap, sizeof gap, " %c%lld.%02lld s", lag < 0 ? '-' : '+',
                  static_cast<long long>(hundredths / 100),
                  static_cast<long long>(hundredths % 100));
    text += std::string(" · ") + GroupNumeral(b.order[i].group) + gap;
  }
  return text;
}

std::string BuzzNote(const Round& r) {
  if (!BuzzLive(r)) return "";
  const Buzz& b = r.buzz;
  switch (b.stage) {
    case Stage::Ready: {
      std::string fouls;
      for (int g = 1; g <= kGroupCount; ++g)
        if (b.fouled[g - 1]) fouls += (fouls.empty() ? "" : "、") + GroupWord(g);
      return fouls.empty() ? "准备抢答" : fouls + "犯规";
    }
    case Stage::Open:
      return Waiting(b) ? OrderText(b) : "抢！";
    case Stage::Turn:
      return b.makeUp ? GroupWord(Holder(b)) + "补答" : OrderText(b);
  }
  return "";
}

void PutBackBuzz(Round& now, const Round& before) {
  Buzz& b = now.buzz;
  const Buzz& was = before.buzz;
  if (now.open == 0 || now.open != before.open || b.opening != was.opening ||
      b.way != AnswerWay::Buzz)
    return;
  b.fouled = was.fouled;
  // Before the start only fouls are steps; the start itself is not taken back.
  if (was.stage == Stage::Ready) return;
  std::vector<BuzzPress> order = was.order;
  for (std::size_t i = 0; i < b.order.size(); ++i) {
    const BuzzPress& p = b.order[i];
    const bool cameLater = !p.answered && static_cast<int>(i) != b.turn;
    if (IndexOf(was, p.group) < 0 && cameLater) order.push_back(p);
  }
  const bool sameTurn = b.stage == was.stage && Holder(b) == Holder(was);
  b.order = std::move(order);
  b.stage = was.stage;
  b.turn = was.turn;
  b.makeUp = was.makeUp;
  now.group = before.group;
  now.checkArmed = before.checkArmed;
  if (sameTurn) return;
  if (b.stage == Stage::Turn)
    GiveTurn(now, b.turn, b.makeUp);
  else
    Reopen(now);
}

bool BuzzStepDiffers(const Round& a, const Round& b) {
  const Buzz &x = a.buzz, &y = b.buzz;
  return x.stage != y.stage || Holder(x) != Holder(y) || x.fouled != y.fouled;
}

}  // namespace lornel::quiz::round
