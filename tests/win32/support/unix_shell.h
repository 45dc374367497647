// Linux commands run from the Windows side under Wine, for what only Linux
// can arrange: chattr +i makes a file or folder that even root cannot write.
#pragma once

#include <optional>
#include <string>

namespace lornel::test {

// The Linux path of a Windows path (Wine's wine_get_unix_file_name); "" off Wine.
std::string UnixPath(const std::wstring& windowsPath);
// Runs "/bin/sh -c command" and waits for it (at most timeoutMs); its exit
// status, or nullopt when it could not be run or did not finish. Wine runs
// Linux programs from CreateProcess but gives no waitable handle for them,
// so the shell writes its status into a file that is polled.
std::optional<int> RunUnix(const std::string& command, int timeoutMs = 20000);

// A file or folder with the Linux immutable attribute for as long as the
// object lives; ok() is false where chattr is not allowed.
class Immutable {
 public:
  explicit Immutable(const std::wstring& path);
  ~Immutable();
  Immutable(const Immutable&) = delete;
  Immutable& operator=(const Immutable&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string quoted_;
  bool ok_ = false;
};

}  // namespace lornel::test
