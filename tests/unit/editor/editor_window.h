// The editor's windows on the in-memory backend, built as the program builds
// them: the form first, then what the events act on, then the events.
#pragma once

#include <string>

#include "editor/editor.h"
#include "editor/layout.h"
#include "editor/preview.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"

namespace lornel::editor {

struct EditorWindow {
  EditorWindow(platform::Host& host, fake::Clock& clock, std::string directory)
      : form(EditorTable(), clock, events), editor{host, EditorForm(form), std::move(directory)} {}
  fake::FakeForm form;
  Editor editor;
  EditorEvents events{editor};
};

struct PreviewWindow {
  PreviewWindow(PreviewRequest request, fake::Clock& clock)
      : form(PreviewTable(), clock, events), events(std::move(request), form) {}
  fake::FakeForm form;
  PreviewEvents events;
};

}  // namespace lornel::editor
