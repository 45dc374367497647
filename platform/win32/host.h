// The real Host: Win32 calls behind the platform interface, one file per
// thing wrapped (files.cpp, replace.cpp, process.cpp, mutex.cpp,
// library.cpp, clipboard.cpp, programs.cpp; the message box and the shell in host.cpp).
#pragma once

#include "platform/host.h"

namespace lornel::win32 {

class Win32Host : public platform::Host {
 public:
  platform::MessageResult ShowMessageBox(std::string_view text, std::string_view title,
                                         unsigned flags, platform::Handle owner) override;
  void ShellOpen(const std::string& path) override;
  void InjectKey(int virtualKey, bool release) override;
  void InjectCharacter(char16_t character) override;

  bool PathExists(const std::string& path) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool CreateFileAtomically(const std::string& path, std::string_view bytes) override;
  bool SetHiddenAttributeOnly(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;
  platform::FileRead ReadFileChecked(const std::string& path) override;
  platform::FileWrite ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                               const std::string& backupPath) override;
  std::optional<std::u16string> ClipboardText() override;
  bool SetClipboardText(const std::u16string& text, platform::Handle owner) override;
  bool SetClipboardTextAndPicture(const std::u16string& text, const platform::RgbPicture& picture,
                                  platform::Handle owner) override;

  std::string ModuleFileName() override;
  bool ChangeDirectory(const std::string& path) override;
  std::string CurrentDirectory() override;
  [[noreturn]] void ExitProcess(int code) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool ReplaceFileWhole(const std::string& path, std::string_view bytes) override;
  std::string LocalAppDataFolder() override;
  platform::LocalTime Now() override;

  bool StartProgram(const std::string& path, const std::string& directory) override;
  platform::Handle FindProgramWindow(const std::string& path, const std::string& windowClass,
                                     const std::string& title) override;
  void BringWindowToFront(platform::Handle window) override;

  platform::Handle OpenNamedMutex(const std::string& name) override;
  platform::MutexResult CreateNamedMutex(const std::string& name) override;
  void CloseHandle(platform::Handle handle) override;

  platform::Handle LoadLibraryAt(const std::string& fullPath) override;
  platform::Handle LoadLibraryFromSystemDirectories(const std::string& name) override;
  void* FindExport(platform::Handle module, const char* name) override;
  void FreeLibrary(platform::Handle module) override;
  int CallSkinAttach(void* entry, const void* data, int size, const char* text) override;
};

}  // namespace lornel::win32
