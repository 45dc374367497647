#include "platform/win32/file_keeper.h"

namespace lornel::win32 {

BackgroundFileKeeper::BackgroundFileKeeper(platform::Files& files)
    : files_(files), thread_([this] { Run(); }) {}

BackgroundFileKeeper::~BackgroundFileKeeper() {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  thread_.join();
}

void BackgroundFileKeeper::Keep(const std::string& path, std::string bytes) {
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    waiting_[path] = std::move(bytes);
  }
  wake_.notify_one();
}

void BackgroundFileKeeper::Drain() {
  std::unique_lock<std::mutex> lock(mutex_);
  idle_.wait(lock, [this] { return waiting_.empty() && !writing_; });
}

void BackgroundFileKeeper::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
    if (waiting_.empty()) return;  // stopping, all written
    auto next = waiting_.extract(waiting_.begin());
    writing_ = true;
    lock.unlock();
    files_.ReplaceFileWhole(next.key(), next.mapped());
    lock.lock();
    writing_ = false;
    if (waiting_.empty()) idle_.notify_all();
  }
}

}  // namespace lornel::win32
