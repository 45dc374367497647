// An application shell on the in-memory backend, with a small stand-in
// window and embedded data of the test's choosing.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/shell.h"
#include "resources/embedded.h"
#include "tests/contract/backend.h"
#include "tests/contract/sample_table.h"
#include "tests/support/clock.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_host.h"

namespace lornel::app {

// Library image "MZ-library", skin n = ".SHE" header, four bytes, then n bytes of n.
resources::Bytes TestBlobs(resources::Blob blob, int number);
std::string SkinBytes(int number);

class ShellTest : public testing::Test {
 protected:
  static constexpr const char* kLibrary = "C:\\lornel\\SkinH_EL.dll";
  ShellTest();
  ~ShellTest() override;

  fake::Clock clock;
  fake::FakeHost host;
  contract::Recorder events;
  fake::FakeForm window;
  Shell shell;
};

}  // namespace lornel::app
