// platform::FileKeeper on a thread of its own.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

#include "platform/host.h"
#include "platform/keeper.h"

namespace lornel::win32 {

class BackgroundFileKeeper final : public platform::FileKeeper {
 public:
  explicit BackgroundFileKeeper(platform::Files& files);
  // Writes what is still waiting, then ends the thread.
  ~BackgroundFileKeeper() override;
  void Keep(const std::string& path, std::string bytes) override;
  // Until every file handed in so far is written (for measurements).
  void Drain();

 private:
  void Run();

  platform::Files& files_;
  std::mutex mutex_;
  std::condition_variable wake_, idle_;
  std::map<std::string, std::string> waiting_;
  bool writing_ = false, stopping_ = false;
  std::thread thread_;
};

}  // namespace lornel::win32
