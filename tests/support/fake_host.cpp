#include "tests/support/fake_host.h"

#include <algorithm>

namespace lornel::fake {

ui::MessageResult FakeHost::ShowMessageBox(std::string_view text, std::string_view title,
                                           unsigned flags, ui::Handle owner) {
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
  return (flags & 0xF) == 0x4 ? ui::MessageResult::Yes : ui::MessageResult::Ok;
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

bool FakeHost::WriteWholeFile(const std::string& path, std::string_view bytes) {
  if (directories.count(path) || readOnlyDirectories.count(DirectoryOf(path))) return false;
  files[path] = std::string(bytes);
  attributes[path] = 0x20;  // FILE_ATTRIBUTE_ARCHIVE, as a fresh file has
  writes.push_back(path);
  return true;
}

ui::FileRead FakeHost::ReadFileChecked(const std::string& path) {
  if (directories.count(path)) return {ui::FileProblem::Directory, {}};
  if (deniedPaths.count(path)) return {ui::FileProblem::Denied, {}};
  if (oversizedPaths.count(path)) return {ui::FileProblem::TooLarge, {}};
  ++readCount;
  const auto found = files.find(path);
  if (found == files.end()) return {ui::FileProblem::Missing, {}};
  return {ui::FileProblem::None, found->second};
}

ui::FileProblem FakeHost::ReplaceFileKeepingBackup(const std::string& path, std::string_view bytes,
                                                   const std::string& backupPath) {
  if (directories.count(path)) return ui::FileProblem::Directory;
  if (deniedPaths.count(path) || readOnlyDirectories.count(DirectoryOf(path)))
    return ui::FileProblem::Denied;
  const auto old = files.find(path);
  if (old != files.end()) {
    files[backupPath] = old->second;
    writes.push_back(backupPath);
  }
  files[path] = std::string(bytes);
  writes.push_back(path);
  return ui::FileProblem::None;
}

bool FakeHost::SetHiddenAttributeOnly(const std::string& path) {
  if (!PathExists(path)) return false;
  attributes[path] = 0x2;
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

ui::Handle FakeHost::OpenNamedMutex(const std::string& name) {
  for (const auto& [handle, held] : openHandles)
    if (held == name) return ++nextHandle_;
  return existingMutexes.count(name) ? ++nextHandle_ : 0;
}

ui::MutexResult FakeHost::CreateNamedMutex(const std::string& name) {
  bool existed = existingMutexes.count(name) > 0;
  for (const auto& [handle, held] : openHandles) existed = existed || held == name;
  const ui::Handle handle = ++nextHandle_;
  openHandles[handle] = name;
  return {handle, existed};
}

void FakeHost::CloseHandle(ui::Handle handle) { openHandles.erase(handle); }

ui::Handle FakeHost::LoadLibraryAt(const std::string& fullPath) {
  loadAttempts.push_back("path:" + fullPath);
  return loadablePaths.count(fullPath) && files.count(fullPath) ? ++nextHandle_ : 0;
}

ui::Handle FakeHost::LoadLibraryFromSystemDirectories(const std::string& name) {
  loadAttempts.push_back("system:" + name);
  return systemSearchFinds ? ++nextHandle_ : 0;
}

void* FakeHost::FindExport(ui::Handle, const char*) {
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
