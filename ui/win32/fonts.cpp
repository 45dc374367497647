#include "ui/win32/fonts.h"

#include "platform/win32/text.h"

namespace lornel::win32 {
namespace {

HFONT StockFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

HFONT MakeFont(const ui::Font& font, ui::Scale scale) {
  if (!font.present()) {
    // The stock font is made for the system DPI; ours is the window's scale.
    LOGFONTW stock{};
    GetObjectW(StockFont(), sizeof(stock), &stock);
    int systemDpi = ui::kTableDpi;
    if (WindowDc screen(nullptr); screen) systemDpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    stock.lfHeight = scale.Of(MulDiv(stock.lfHeight, ui::kTableDpi, ui::SaneDpi(systemDpi)));
    return CreateFontIndirectW(&stock);
  }
  // A negative height asks the font mapper for this character (em) height.
  return CreateFontW(-scale.Of(font.height), 0, 0, 0, FW_BOLD, FALSE, font.underline, FALSE,
                     GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, Wide(font.face).c_str());
}

}  // namespace

HFONT FontCache::Get(const ui::Font& font, ui::Scale scale) {
  if (!font.present() && scale.IsOne()) return StockFont();
  const Key key = font.present() ? Key{font.face, font.height, font.underline, scale.permille()}
                                 : Key{std::string(), 0, false, scale.permille()};
  OwnedFont& made = fonts_[key];
  if (!made) made.Reset(MakeFont(font, scale));
  // Out of GDI objects: the stock font still draws the caption.
  return made ? made.get() : StockFont();
}

}  // namespace lornel::win32
