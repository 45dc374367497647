// The single-instance marker: a named mutex, handed out as a plain number.
#include <windows.h>

#include "platform/win32/host.h"
#include "platform/win32/text.h"

namespace lornel::win32 {

platform::Handle Win32Host::OpenNamedMutex(const std::string& name) {
  return reinterpret_cast<platform::Handle>(
      OpenMutexW(MUTEX_MODIFY_STATE, FALSE, Wide(name).c_str()));
}

platform::MutexResult Win32Host::CreateNamedMutex(const std::string& name) {
  HANDLE handle = CreateMutexW(nullptr, TRUE, Wide(name).c_str());
  const bool existed = handle && GetLastError() == ERROR_ALREADY_EXISTS;
  return {reinterpret_cast<platform::Handle>(handle), existed};
}

void Win32Host::CloseHandle(platform::Handle handle) {
  ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

}  // namespace lornel::win32
