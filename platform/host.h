// What handlers, config/ and the application shell need of the platform
// beyond the windows, in small interfaces by what they wrap: files,
// processes (with other programs and the instance mutex), the desktop
// (message boxes, the clipboard, injected keys), the skin library. Host is
// all of them, for the backends and the shells; a function takes only what
// it uses. All texts and paths are GBK; the Win32 backend converts at its boundary.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lornel::platform {

// The button that closed a message box. The numbers are the ones lornel.exe's
// handlers have always seen: Win32's IDOK .. IDNO less one.
enum class MessageResult : int {
  Ok = 0,
  Cancel = 1,
  Abort = 2,
  Retry = 3,
  Ignore = 4,
  Yes = 5,
  No = 6
};

using Handle = std::uintptr_t;  // 0 = none

// Why a file could not be read or written, for messages that say so.
enum class FileProblem { None, Missing, Directory, Denied, TooLarge, Failed };
struct FileRead {
  FileProblem problem = FileProblem::None;
  std::string bytes;
};
// Which file a refused write was refused by: the file itself, the backup
// that was to take its place, or the folder that was to hold the temporary.
enum class FileAt { Target, Backup, Folder };
struct FileWrite {
  FileProblem problem = FileProblem::None;
  FileAt at = FileAt::Target;
};

struct MutexResult {
  Handle handle = 0;
  bool alreadyExisted = false;  // GetLastError() == ERROR_ALREADY_EXISTS after creation
};

class Files {
 public:
  virtual ~Files() = default;
  // A find-first-file query: any entry counts, directories included.
  virtual bool PathExists(const std::string& path) = 0;
  // The whole content of a regular file; nullopt when it cannot be opened.
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Writes bytes to a temporary file in the same directory and moves it to
  // path only if nothing stands there; false (and no temporary left) otherwise.
  virtual bool CreateFileAtomically(const std::string& path, std::string_view bytes) = 0;
  virtual bool SetHiddenAttributeOnly(const std::string& path) = 0;
  // Makes the folder at path (its parent must exist); true when a folder
  // stands there afterwards, one that was there already too.
  virtual bool CreateFolder(const std::string& path) = 0;
  // As ReadWholeFile, saying why a file cannot be read (beyond 512 MiB: TooLarge).
  virtual FileRead ReadFileChecked(const std::string& path) = 0;
  // Writes bytes to a temporary file beside path, then puts it in path's
  // place, the file there (if any) becoming backupPath; the new file keeps
  // the old one's attributes. Refused, nothing has changed: path and an
  // earlier backupPath are as they were and no temporary is left. A
  // read-only or hidden earlier backup is replaced all the same.
  virtual FileWrite ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                             const std::string& backupPath) = 0;
  // Writes bytes to a temporary file beside path, flushed, then moves it over
  // whatever stands at path: path holds the old bytes or the new, whole,
  // whenever the process is killed. False when refused: nothing has changed.
  virtual bool ReplaceFileWhole(const std::string& path, std::string_view bytes) = 0;
  // The user's local application data folder (%LOCALAPPDATA%), GBK, without a
  // trailing backslash; "" when there is none or GBK cannot name it.
  virtual std::string LocalAppDataFolder() = 0;
  // Whether two paths name the same file: equal as full paths compared as
  // Windows compares names (letter case aside), or, both existing, one file
  // by volume and file index (a short 8.3 name, a hard link).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

// The wall clock's local time, to the minute.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
};

class Processes {
 public:
  virtual ~Processes() = default;
  virtual LocalTime Now() = 0;
  virtual std::string ModuleFileName() = 0;  // full path of the executable
  virtual bool ChangeDirectory(const std::string& path) = 0;
  virtual std::string CurrentDirectory() = 0;  // "" when the call fails
  [[noreturn]] virtual void ExitProcess(int code) = 0;

  // Other programs.
  // Starts the executable at path with directory as its working directory,
  // its window shown normally; false when it could not be started. Returns
  // once the program first waits for input (at most 10 seconds), so that a
  // second press finds the copy this one started.
  virtual bool StartProgram(const std::string& path, const std::string& directory) = 0;
  // A visible top-level window of the class and title given whose process
  // runs the executable at path (SameFile); 0 when there is none.
  virtual Handle FindProgramWindow(const std::string& path, const std::string& windowClass,
                                   const std::string& title) = 0;
  // Restores the window when it is minimised and brings it to the front.
  virtual void BringWindowToFront(Handle window) = 0;

  // The single-instance marker.
  virtual Handle OpenNamedMutex(const std::string& name) = 0;         // access 1 (modify state)
  virtual MutexResult CreateNamedMutex(const std::string& name) = 0;  // initially owned
  virtual void CloseHandle(Handle handle) = 0;
};

// A picture for the clipboard: top-down rows of 0x00RRGGBB.
struct RgbPicture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
  bool empty() const { return width <= 0 || height <= 0; }
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // A message box owned by owner (0: none); flags are Win32 MB_* values as given.
  // A box that could not be shown reads as Ok. Asks for no memory on the way:
  // the fatal report of an allocation failure comes here.
  virtual MessageResult ShowMessageBox(std::string_view text, std::string_view title,
                                       unsigned flags, Handle owner) = 0;
  // ShellExecute "open" with no owner, no parameters, SW_SHOWNORMAL; result ignored.
  virtual void ShellOpen(const std::string& path) = 0;
  // keybd_event with scan code 0: press (release = false) or release of one key.
  virtual void InjectKey(int virtualKey, bool release) = 0;
  // Types one character (a UTF-16 unit) as a key press and its release: a
  // digit that the active keyboard layout has without Shift as its key,
  // anything else as itself (SendInput with KEYEVENTF_UNICODE), which no
  // layout, Shift state or input method turns into another character.
  virtual void InjectCharacter(char16_t character) = 0;

  // The clipboard's text; nullopt when it holds none.
  virtual std::optional<std::u16string> ClipboardText() = 0;
  // Puts text on the clipboard as CF_UNICODETEXT, opened for owner (a window
  // of ours: one opened for no window may not take data); false when refused.
  virtual bool SetClipboardText(const std::u16string& text, Handle owner) = 0;
  // Puts text and a picture on the clipboard together (CF_UNICODETEXT and
  // CF_DIB), so that a chat pastes the picture and a spreadsheet the text;
  // an empty picture leaves the text alone. False when refused.
  virtual bool SetClipboardTextAndPicture(const std::u16string& text, const RgbPicture& picture,
                                          Handle owner) = 0;
};

class SkinLibrary {
 public:
  virtual ~SkinLibrary() = default;
  virtual Handle LoadLibraryAt(const std::string& fullPath) = 0;
  // Bare-name fallback; limited to the safe search directories (not the
  // current directory or PATH), so a planted DLL cannot be picked up.
  virtual Handle LoadLibraryFromSystemDirectories(const std::string& name) = 0;
  virtual void* FindExport(Handle module, const char* name) = 0;
  virtual void FreeLibrary(Handle module) = 0;
  // Calls a stdcall function of six 32-bit arguments: (data, size, text, 0, 0, 0).
  virtual int CallSkinAttach(void* entry, const void* data, int size, const char* text) = 0;
};

class Host : public Files, public Processes, public Desktop, public SkinLibrary {};

}  // namespace lornel::platform
