#include "tests/support/fake_host.h"

#include <algorithm>
#include <cctype>

namespace lornel::fake {

platform::MessageResult FakeHost::ShowMessageBox(std::string_view text, std::string_view title,
                                                 unsigned flags, platform::Handle owner) {
  messages.push_back({std::string(text), std::string(title), flags, owner});
  ++openMessageBoxes;
  mostOpenAtOnce = std::max(mostOpenAtOnce, openMessageBoxes);
  struct Closing {
    int& open;
    ~Closing() { --open; }
  } closing{openMessageBoxes};
  // A copy: a box opened inside this one grows the log and moves its entries.
  const ShownMessage shown = messages.back();
  if (answerer) return answerer(shown);
  return (flags & 0xF) == 0x4 ? platform::MessageResult::Yes : platform::MessageResult::Ok;
}

std::string FakeHost::DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool FakeHost::PathExists(const std::string& path) {
  return files.count(path) > 0 || directories.count(path) > 0;
}

std::optional<std::string> FakeHost::ReadWholeFile(const std::string& path) {
  ++readCount;
  const auto found = files.find(path);
  if (found == files.end()) return std::nullopt;
  return found->second;
}

bool FakeHost::CreateFileAtomically(const std::string& path, std::string_view bytes) {
  if (PathExists(path) || readOnlyDirectories.count(DirectoryOf(path))) return false;
  files[path] = std::string(bytes);
  writes.push_back(path);
  return true;
}

bool FakeHost::ReplaceFileWhole(const std::string& path, std::string_view bytes) {
  if (failingWrites || directories.count(path) || deniedPaths.count(path) ||
      readOnlyDirectories.count(DirectoryOf(path)) || !directories.count(DirectoryOf(path)))
    return false;
  files[path] = std::string(bytes);
  writes.push_back(path);
  return true;
}

platform::FileRead FakeHost::ReadFileChecked(const std::string& path) {
  if (directories.count(path)) return {platform::FileProblem::Directory, {}};
  if (deniedPaths.count(path)) return {platform::FileProblem::Denied, {}};
  if (oversizedPaths.count(path)) return {platform::FileProblem::TooLarge, {}};
  ++readCount;
  const auto found = files.find(path);
  if (found == files.end()) return {platform::FileProblem::Missing, {}};
  return {platform::FileProblem::None, found->second};
}

platform::FileWrite FakeHost::ReplaceFileKeepingBackup(const std::string& path,
                                                       std::string_view bytes,
                                                       const std::string& backupPath) {
  using platform::FileAt;
  using platform::FileProblem;
  if (directories.count(path)) return {FileProblem::Directory, FileAt::Target};
  const auto old = files.find(path);
  const bool exists = old != files.end();
  if (exists && deniedPaths.count(path)) return {FileProblem::Denied, FileAt::Target};
  if (exists && directories.count(backupPath)) return {FileProblem::Directory, FileAt::Backup};
  if (exists && deniedPaths.count(backupPath)) return {FileProblem::Denied, FileAt::Backup};
  if (readOnlyDirectories.count(DirectoryOf(path))) return {FileProblem::Denied, FileAt::Folder};
  if (exists) {
    files[backupPath] = old->second;
    attributes.erase(backupPath);
    if (const auto kept = attributes.find(path); kept != attributes.end())
      attributes[backupPath] = kept->second;
    writes.push_back(backupPath);
  }
  files[path] = std::string(bytes);
  writes.push_back(path);
  return {};
}

bool FakeHost::SetHiddenAttributeOnly(const std::string& path) {
  if (!PathExists(path)) return false;
  attributes[path] = 0x2;
  return true;
}

bool FakeHost::CreateFolder(const std::string& path) {
  if (directories.count(path)) return true;
  if (files.count(path) || readOnlyDirectories.count(DirectoryOf(path))) return false;
  directories.insert(path);
  return true;
}

bool FakeHost::ChangeDirectory(const std::string& path) {
  if (!directories.count(path) && path != DirectoryOf(moduleFileName)) return false;
  currentDirectory = path;
  return true;
}

void FakeHost::ExitProcess(int code) {
  exitCode = code;
  throw ProcessExit{code};
}

bool FakeHost::SameFile(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool FakeHost::StartProgram(const std::string& path, const std::string& directory) {
  if (!files.count(path)) return false;
  started.push_back({path, directory});
  runningWindows[path] = ++nextHandle_;
  return true;
}

platform::Handle FakeHost::FindProgramWindow(const std::string& path, const std::string&,
                                             const std::string&) {
  for (const auto& [running, window] : runningWindows)
    if (SameFile(running, path)) return window;
  return 0;
}

platform::Handle FakeHost::OpenNamedMutex(const std::string& name) {
  for (const auto& [handle, held] : openHandles)
    if (held == name) return ++nextHandle_;
  return existingMutexes.count(name) ? ++nextHandle_ : 0;
}

platform::MutexResult FakeHost::CreateNamedMutex(const std::string& name) {
  bool existed = existingMutexes.count(name) > 0;
  for (const auto& [handle, held] : openHandles) existed = existed || held == name;
  const platform::Handle handle = ++nextHandle_;
  openHandles[handle] = name;
  return {handle, existed};
}

void FakeHost::CloseHandle(platform::Handle handle) { openHandles.erase(handle); }

platform::Handle FakeHost::LoadLibraryAt(const std::string& fullPath) {
  loadAttempts.push_back("path:" + fullPath);
  return loadablePaths.count(fullPath) && files.count(fullPath) ? ++nextHandle_ : 0;
}

platform::Handle FakeHost::LoadLibraryFromSystemDirectories(const std::string& name) {
  loadAttempts.push_back("system:" + name);
  return systemSearchFinds ? ++nextHandle_ : 0;
}

void* FakeHost::FindExport(platform::Handle, const char*) {
  static int entry;
  return exportPresent ? &entry : nullptr;
}

int FakeHost::CallSkinAttach(void*, const void* data, int size, const char* text) {
  AttachCall call;
  if (data) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    call.data.assign(bytes, bytes + size);
  }
  call.size = size;
  call.textNull = text == nullptr;
  call.textIsEmpty = text != nullptr && text[0] == '\0';
  attachCalls.push_back(std::move(call));
  return 0;
}

}  // namespace lornel::fake
