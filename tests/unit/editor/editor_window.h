// The editor's windows on the in-memory backend, built as the program builds
// them: the form first, then what the events act on, then the events.
#pragma once

#include <string>
#include <vector>

#include "config/config.h"
#include "config/ini.h"
#include "editor/editor.h"
#include "editor/layout.h"
#include "editor/preview.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_host.h"

namespace lornel::editor {

struct EditorWindow {
  EditorWindow(platform::Host& host, fake::Clock& clock, std::string directory)
      : form(EditorTable(), clock, events), editor{host, EditorForm(form), std::move(directory)} {}
  fake::FakeForm form;
  Editor editor;
  EditorEvents events{editor};
};

// The editor beside its wtda.ini (the default file until the test puts
// another there), with short words for what the teacher does; Create() opens it.
struct EditorSession {
  explicit EditorSession(const std::string& directory = "C:\\lornel")
      : path(config::ConfigPathIn(directory)), window(host, clock, directory) {
    host.systemSearchFinds = true;
    host.files[path] = config::DefaultConfigText();
  }
  void Type(EditorId box, const std::u16string& text) {
    form.Focus(int(box));
    form.SetUnicodeText(int(box), text);
  }
  void Click(EditorId control) { form.Click(int(control)); }
  std::u16string Box(EditorId box) { return form.UnicodeText(int(box)); }
  std::string Read(const std::string& section, const std::string& key) {
    return config::ReadIniValue(host.files[path], section, key);
  }
  bool Modified() { return form.caption().rfind("*", 0) == 0; }
  bool Said(const std::string& words) const {
    return !host.messages.empty() && host.messages.back().text.find(words) != std::string::npos;
  }
  // Answers the next message boxes in turn, and any after them with OK.
  void Answer(std::vector<platform::MessageResult> answers) {
    host.answerer = [answers, i = std::size_t{0}](const fake::ShownMessage&) mutable {
      return i < answers.size() ? answers[i++] : platform::MessageResult::Ok;
    };
  }

  const std::string path;
  fake::Clock clock;
  fake::FakeHost host;
  EditorWindow window;
  fake::FakeForm& form = window.form;
  Editor& editor = window.editor;
};

struct PreviewWindow {
  PreviewWindow(PreviewRequest request, fake::Clock& clock)
      : form(PreviewTable(static_cast<int>(request.options.size())), clock, events),
        events(std::move(request), form) {}
  fake::FakeForm form;
  PreviewEvents events;
};

}  // namespace lornel::editor
