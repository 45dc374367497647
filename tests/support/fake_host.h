// In-memory Host: a file system of GBK paths, scripted message boxes, and a
// record of every platform call, for deterministic tests of the handlers.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/host.h"

namespace lornel::fake {

// Where the tests put the program, its quiz and the skin library.
inline constexpr const char* kProgramFolder = "C:\\lornel";
inline constexpr const char* kProgramPath = "C:\\lornel\\lornel.exe";
inline constexpr const char* kConfigPath = "C:\\lornel\\wtda.ini";
inline constexpr const char* kLibraryPath = "C:\\lornel\\SkinH_EL.dll";

struct ShownMessage {
  std::string text, title;
  unsigned flags = 0;
  platform::Handle owner = 0;
};

class FakeHost : public platform::Host {
 public:
  // Answers a message box; may let time pass (ticks run inside, as in a modal
  // loop). The default answers OK, or Yes for a Yes/No box.
  using Answerer = std::function<platform::MessageResult(const ShownMessage&)>;

  // --- what tests arrange -------------------------------------------------
  std::map<std::string, std::string> files;   // path -> bytes
  std::set<std::string> directories;          // entries that are directories
  std::set<std::string> readOnlyDirectories;  // nothing can be created inside
  std::string moduleFileName = "C:\\lornel\\lornel.exe";
  std::string currentDirectory = "C:\\lornel";
  bool currentDirectoryFails = false;
  std::set<std::string> existingMutexes;  // mutexes held by other processes
  Answerer answerer;

  // --- what tests read back ---------------------------------------------
  std::vector<ShownMessage> messages;
  int openMessageBoxes = 0, mostOpenAtOnce = 0;
  std::vector<std::string> shellOpened;
  struct Key {
    int vk;
    bool release;
  };
  std::vector<Key> injectedKeys;
  std::vector<std::string> writes;  // paths written, in order
  int readCount = 0;                // whole-file reads
  std::optional<int> exitCode;

  // --- platform::Host -----------------------------------------------------------
  platform::MessageResult ShowMessageBox(std::string_view text, std::string_view title,
                                         unsigned flags, platform::Handle owner) override;
  void ShellOpen(const std::string& path) override { shellOpened.push_back(path); }
  void InjectKey(int vk, bool release) override {
    injectedKeys.push_back({vk, release});
    if (onKey) onKey(vk, release);
  }
  // Where injected keys go (a runtime delivers them to the focused control).
  std::function<void(int vk, bool release)> onKey;
  void InjectCharacter(char16_t character) override {
    injectedCharacters.push_back(character);
    if (onCharacter) onCharacter(character);
  }
  std::u16string injectedCharacters;
  std::function<void(char16_t character)> onCharacter;

  bool PathExists(const std::string& path) override;
  std::optional<std::string> ReadWholeFile(const std::string& path) override;
  bool CreateFileAtomically(const std::string& path, std::string_view bytes) override;
  bool SetHiddenAttributeOnly(const std::string& path) override;
  // Refused in a read-only folder or where a file stands.
  bool CreateFolder(const std::string& path) override;
  std::map<std::string, unsigned> attributes;  // path -> attribute bits set
  platform::FileRead ReadFileChecked(const std::string& path) override;
  // Refused as the real one is: a denied path (the file, or the backup in
  // the way) or a read-only folder changes nothing; the new file keeps the
  // old one's attributes, which the backup takes along.
  platform::FileWrite ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                               const std::string& backupPath) override;
  // Refused in a read-only folder, for a denied path, or while failingWrites
  // says so; otherwise the bytes stand whole at path.
  bool ReplaceFileWhole(const std::string& path, std::string_view bytes) override;
  bool failingWrites = false;  // the disk refuses every write (full, or gone)
  std::string localAppData = "C:\\Users\\teacher\\AppData\\Local";
  std::string LocalAppDataFolder() override { return localAppData; }
  platform::LocalTime now{2026, 12, 9, 10, 42};
  platform::LocalTime Now() override { return now; }
  std::optional<std::u16string> ClipboardText() override { return clipboard; }
  std::set<std::string> deniedPaths;     // files that cannot be opened or replaced
  std::set<std::string> oversizedPaths;  // files beyond 512 MiB
  std::optional<std::u16string> clipboard;
  bool SetClipboardText(const std::u16string& text, platform::Handle) override {
    if (clipboardBusy) return false;
    clipboard = text;
    clipboardPicture = {};
    return true;
  }
  bool SetClipboardTextAndPicture(const std::u16string& text, const platform::RgbPicture& picture,
                                  platform::Handle owner) override {
    if (!SetClipboardText(text, owner)) return false;
    clipboardPicture = picture;
    return true;
  }
  // What a copy put there besides its text, empty when none; a text alone clears it.
  platform::RgbPicture clipboardPicture;
  bool clipboardBusy = false;  // another program holds the clipboard

  std::string ModuleFileName() override { return moduleFileName; }
  bool ChangeDirectory(const std::string& path) override;
  std::string CurrentDirectory() override { return currentDirectoryFails ? "" : currentDirectory; }
  // Throws ProcessExit so that a test can catch the end of the "process".
  [[noreturn]] void ExitProcess(int code) override;
  // Letter case aside, as Windows compares names (ASCII letters only here).
  bool SameFile(const std::string& a, const std::string& b) override;

  // Other programs: a start succeeds when the executable is a file here and
  // becomes a running program; the window of one found by its path.
  struct Started {
    std::string path, directory;
  };
  std::vector<Started> started;
  std::map<std::string, platform::Handle> runningWindows;  // executable -> its main window
  std::vector<platform::Handle> broughtToFront;
  bool StartProgram(const std::string& path, const std::string& directory) override;
  platform::Handle FindProgramWindow(const std::string& path, const std::string&,
                                     const std::string&) override;
  void BringWindowToFront(platform::Handle window) override { broughtToFront.push_back(window); }

  platform::Handle OpenNamedMutex(const std::string& name) override;
  platform::MutexResult CreateNamedMutex(const std::string& name) override;
  void CloseHandle(platform::Handle handle) override;
  std::map<platform::Handle, std::string> openHandles;

  // Skin library: modules are numbered; tests decide what loads and exports.
  std::set<std::string> loadablePaths;  // full paths LoadLibraryAt accepts
  bool systemSearchFinds = false;       // bare-name fallback succeeds
  bool exportPresent = true;
  std::vector<std::string> loadAttempts;  // "path:<p>" or "system:<name>"
  int freedModules = 0;
  struct AttachCall {
    std::vector<unsigned char> data;
    int size;
    bool textIsEmpty;
    bool textNull;
  };
  std::vector<AttachCall> attachCalls;
  platform::Handle LoadLibraryAt(const std::string& fullPath) override;
  platform::Handle LoadLibraryFromSystemDirectories(const std::string& name) override;
  void* FindExport(platform::Handle module, const char* name) override;
  void FreeLibrary(platform::Handle) override { ++freedModules; }
  int CallSkinAttach(void* entry, const void* data, int size, const char* text) override;

 private:
  static std::string DirectoryOf(const std::string& path);
  platform::Handle nextHandle_ = 100;
};

struct ProcessExit {
  int code;
};

}  // namespace lornel::fake
