// Entry of the end-to-end tests: --lornel=PATH names the built lornel.exe and
// --skinlib=PATH the skin library it carries; the question editor is the
// lornel-editor.exe beside it unless --editor=PATH names another, and the
// example file examples/wtda.ini unless --example=PATH does. --unpacked=DIR
// runs both programs where the release zip was unpacked, instead
// (a Unix path is reached through Wine's Z: drive).
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/e2e/driver.h"

namespace {

std::wstring WindowsPath(std::string path) {
  if (!path.empty() && path[0] == '/') {
    for (char& c : path) c = c == '/' ? '\\' : c;
    path = "Z:" + path;
  }
  return std::wstring(path.begin(), path.end());
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GetACP() != 936) {
    std::fprintf(stderr, "ANSI code page is %u, not 936: run with LANG=zh_CN.UTF-8\n", GetACP());
    return 2;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const auto equals = arg.find('=');
    if (equals == std::string::npos) continue;
    const std::wstring wide = WindowsPath(arg.substr(equals + 1));
    if (arg.rfind("--lornel=", 0) == 0) lornel::e2e::SetBuiltExe(wide);
    if (arg.rfind("--skinlib=", 0) == 0) lornel::e2e::SetBuiltLibrary(wide);
    if (arg.rfind("--editor=", 0) == 0) lornel::e2e::SetBuiltEditor(wide);
    if (arg.rfind("--example=", 0) == 0) lornel::e2e::SetExampleFile(wide);
    if (arg.rfind("--unpacked=", 0) == 0) {
      lornel::e2e::SetUnpackedRelease(wide);
      lornel::e2e::SetBuiltExe(lornel::e2e::Join(wide, L"lornel.exe"));
      lornel::e2e::SetBuiltEditor(lornel::e2e::Join(wide, L"lornel-editor.exe"));
    }
  }
  if (lornel::e2e::BuiltExe().empty()) {
    std::fprintf(stderr, "usage: e2e_tests.exe --lornel=PATH_TO_LORNEL_EXE\n");
    return 2;
  }
  const std::wstring& exe = lornel::e2e::BuiltExe();
  if (lornel::e2e::BuiltEditor().empty())
    lornel::e2e::SetBuiltEditor(exe.substr(0, exe.find_last_of(L'\\') + 1) + L"lornel-editor.exe");
  if (lornel::e2e::ExampleFile().empty())
    lornel::e2e::SetExampleFile(WindowsPath(LORNEL_EXAMPLE_FILE));
  return RUN_ALL_TESTS();
}
