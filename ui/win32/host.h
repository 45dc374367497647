// The real Host: Win32 calls behind the platform interface.
#pragma once

#include "ui/host.h"

namespace lornel::win32 {

class Win32Host : public ui::Host {
 public:
  ui::MessageResult ShowMessageBox(std::string_view text, std::string_view title, unsigned flags,
                                   ui::Handle owner) override;
  void ShellOpen(const std::string& path) override;
  void InjectKey(int virtualKey, bool release) override;

  bool PathExists(const std::string& path) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool CreateFileAtomically(const std::string& path, std::string_view bytes) override;
  bool WriteWholeFile(const std::string& path, std::string_view bytes) override;
  bool SetHiddenAttributeOnly(const std::string& path) override;
  // host_editing.cpp
  ui::FileRead ReadFileChecked(const std::string& path) override;
  ui::FileProblem ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                           const std::string& backupPath) override;
  std::optional<std::u16string> ClipboardText() override;

  std::string ModuleFileName() override;
  bool ChangeDirectory(const std::string& path) override;
  std::string CurrentDirectory() override;
  [[noreturn]] void ExitProcess(int code) override;

  ui::Handle OpenNamedMutex(const std::string& name) override;
  ui::MutexResult CreateNamedMutex(const std::string& name) override;
  void CloseHandle(ui::Handle handle) override;

  ui::Handle LoadLibraryAt(const std::string& fullPath) override;
  ui::Handle LoadLibraryFromSystemDirectories(const std::string& name) override;
  void* FindExport(ui::Handle module, const char* name) override;
  void FreeLibrary(ui::Handle module) override;
  int CallSkinAttach(void* entry, const void* data, int size, const char* text) override;
};

}  // namespace lornel::win32
