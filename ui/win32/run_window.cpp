#include "ui/win32/run_window.h"

#include "ui/win32/form.h"

namespace lornel::win32 {
namespace {

// The form needs its sink when it is built, the events need the form: this
// stands in for the events until they are made, before any message arrives.
// It must pass on every event of ui::EventSink: one it misses is silently lost.
class Relay final : public ui::EventSink {
 public:
  void Take(std::unique_ptr<ui::EventSink> events) { events_ = std::move(events); }

  void OnControlEvent(const ui::Binding& binding) override { events_->OnControlEvent(binding); }
  void OnCreated() override { events_->OnCreated(); }
  void OnDestroyed() override { events_->OnDestroyed(); }
  bool OnCloseQuery() override { return events_->OnCloseQuery(); }
  void OnActivated() override { events_->OnActivated(); }
  bool OnEndSessionQuery() override { return events_->OnEndSessionQuery(); }
  void OnEndSession(bool ending) override { events_->OnEndSession(ending); }
  void OnContextMenu(const ui::Binding& binding, int x, int y) override {
    events_->OnContextMenu(binding, x, y);
  }

 private:
  std::unique_ptr<ui::EventSink> events_;
};

}  // namespace

bool RunWindow(const ui::Table& table, const MakeEvents& makeEvents) {
  Relay relay;
  Win32Form form(table, relay);
  relay.Take(makeEvents(form));
  if (!form.Create()) return false;
  RunMessageLoop();
  return true;
}

bool RunModalWindow(const ui::Table& table, const MakeEvents& makeEvents, HWND owner) {
  Relay relay;
  Win32Form form(table, relay);
  relay.Take(makeEvents(form));
  return form.RunModal(owner);
}

}  // namespace lornel::win32
