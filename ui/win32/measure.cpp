// How many lines a caption needs in a label, as the label would paint it, and
// where a caption's characters lie as drawn (the score bar's menu picks a group by it).
#include <algorithm>

#include "platform/win32/owned.h"
#include "platform/win32/text.h"
#include "ui/option_paint.h"
#include "ui/question_picture.h"
#include "ui/win32/form.h"
#include "ui/win32/label_picture.h"

namespace lornel::win32 {

ui::Form::TextFit Win32Form::MeasureCaption(int id, std::u16string_view text) const {
  const Control& c = controls_[id];
  RECT client;
  GetClientRect(c.hwnd, &client);
  WindowDc dc(c.hwnd);
  if (!dc) return {};
  const bool option = c.row->kind == ui::Kind::OptionButton;
  HFONT smallest = nullptr;
  if (option) {
    ui::Font font = c.row->font;
    font.height = ui::kSmallestOptionFont;
    smallest = FontAt(font);
  }
  Selection font(dc.get(), smallest ? smallest
                           : c.font ? c.font
                                    : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  const int lineHeight = std::max(1, static_cast<int>(metrics.tmHeight));
  // The part the text gets beside the label's picture, or above its note, or
  // beside an option's mark (paint.cpp, paint_option.cpp).
  int width = client.right - client.left, height = client.bottom - client.top;
  if (option) {
    const ui::Rect box = ui::PlanOption({width, height}, {}, false, scale_).textBox;
    width = box.width;
    height = box.height;
  }
  if (const LabelPicture* picture = c.labelPicture.get()) {
    if (picture->source.empty()) {
      height -= lineHeight;
    } else if (!text.empty()) {
      width =
          ui::LayOutQuestionPicture({0, 0, width, height},
                                    {picture->source.width, picture->source.height}, true, scale_)
              .text.width;
    }
  }
  TextFit fit;
  fit.linesShown = std::max(0, height) / lineHeight;
  if (!text.empty()) {
    // The flags the label paints with (paint.cpp), measuring instead.
    const std::wstring wide(text.begin(), text.end());
    RECT needed{0, 0, width, 0};
    DrawTextW(
        dc.get(), wide.c_str(), static_cast<int>(wide.size()), &needed,
        DT_CALCRECT | DT_NOPREFIX | (c.row->wordWrap || option ? DT_WORDBREAK : DT_SINGLELINE));
    fit.linesNeeded = std::max(1, static_cast<int>((needed.bottom + lineHeight - 1) / lineHeight));
  }
  return fit;
}

// Table units: a scaled window draws a line glyph by glyph where its table-size
// font puts them (paint.cpp), so that font measures here; at scale one, the
// control's own, as DrawText places it.
int Win32Form::CaptionCharacterLeft(int id, std::size_t index) const {
  const Control& c = controls_[id];
  const std::string text = Text(id);
  const std::wstring all = Wide(text);
  const int before = static_cast<int>(Wide(text.substr(0, std::min(index, text.size()))).size());
  HFONT font = c.tableFont ? c.tableFont : c.font;
  WindowDc dc(c.hwnd);
  if (!dc) return 0;
  Selection selected(dc.get(), font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SIZE whole{}, head{};
  GetTextExtentPoint32W(dc.get(), all.c_str(), static_cast<int>(all.size()), &whole);
  GetTextExtentPoint32W(dc.get(), all.c_str(), before, &head);
  const int free = c.row->rect.width - whole.cx;
  const int start = c.row->hAlign == ui::HAlign::Centre  ? free / 2
                    : c.row->hAlign == ui::HAlign::Right ? free
                                                         : 0;
  return start + head.cx;
}

}  // namespace lornel::win32
