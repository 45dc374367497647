// The in-memory backend under the shared control-kind cases.
#include "tests/contract/backend.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"

namespace lornel::contract {
namespace {

class FakeBackend : public Backend {
 public:
  explicit FakeBackend(const ui::Table& table) : form_(table, clock_, recorder) { form_.Create(); }
  ui::Form& form() override { return form_; }
  void Wait(int ms) override { clock_.Advance(ms); }
  void UserClick(int id) override { form_.Click(id); }
  int ShownPosition(int id) override { return form_.ShownPosition(id); }
  void Deliver(int id, ui::Event kind, int x, int y) override { form_.Deliver(id, kind, x, y); }
  void UserRightClick(int id) override {
    const ui::Rect r = form_.ClientRectOf(id);
    form_.RightClickAt(r.left + r.width / 2, r.top + r.height / 2);
  }
  void UserPressKey(int id, ui::Key key, std::uint32_t time) override {
    form_.Focus(id);
    form_.PressKey(key, time ? std::optional(time) : std::nullopt);
  }
  std::vector<ui::MenuLine> SystemMenu() override {
    std::vector<ui::MenuLine> lines{{}};  // Windows' own items end with a separator
    for (ui::MenuLine line : form_.SystemMenu())
      lines.push_back({-1, line.text, line.enabled, line.checked});
    return lines;
  }
  void UserChooseFromSystemMenu(int command) override { form_.ChooseFromSystemMenu(command); }
  int UserChooseFromPopup(int menu, int arg, int command) override {
    form_.menuAnswer = [command](const std::vector<ui::MenuLine>&) { return command; };
    const std::size_t before = form_.menus.size();
    const int chosen = form_.PopupMenu(menu, arg);
    shown = form_.menus.size() > before ? form_.menus.back() : std::vector<ui::MenuLine>{};
    return chosen;
  }

 private:
  fake::Clock clock_;
  fake::FakeForm form_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend(const ui::Table& table) {
  return std::make_unique<FakeBackend>(table);
}

}  // namespace lornel::contract
