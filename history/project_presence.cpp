#include "history/project_presence.h"

#include <chrono>
#include <utility>

namespace orvent {
namespace {

// One check, shared by the worker and the thread that runs it, which may
// outlive the worker when the check never returns.
constexpr int kStep = 20;

struct Check {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool exists = false;
};

}  // namespace

ProjectPresence::ProjectPresence(Exists exists, std::function<void()> answered,
                                 int boundMilliseconds)
    : exists_(std::move(exists)), answered_(std::move(answered)), bound_(boundMilliseconds) {
  worker_ = std::thread([this] { Work(); });
}

ProjectPresence::~ProjectPresence() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
}

ProjectPresence::State ProjectPresence::Get(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = known_.find(path);
  if (found != known_.end()) return found->second;
  known_[path] = State::kUnknown;
  queue_.push_back(path);
  wake_.notify_all();
  return State::kUnknown;
}

void ProjectPresence::Work() {
  for (;;) {
    std::string path;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
      if (stopping_) return;
      path = std::move(queue_.front());
      queue_.pop_front();
    }
    auto check = std::make_shared<Check>();
    std::thread([check, path, exists = exists_] {
      const bool found = exists(path);
      std::lock_guard<std::mutex> lock(check->mutex);
      check->exists = found;
      check->finished = true;
      check->done.notify_all();
    }).detach();
    bool answered = false;
    State state = State::kUnknown;
    {
      std::unique_lock<std::mutex> lock(check->mutex);
      // In short steps, so that closing the window never waits for a check.
      for (int waited = 0; !check->finished && waited < bound_ && !stopping_; waited += kStep) {
        check->done.wait_for(lock, std::chrono::milliseconds(kStep));
      }
      answered = check->finished;
      if (answered) state = check->exists ? State::kPresent : State::kMissing;
    }
    if (stopping_) return;
    if (!answered) continue;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      known_[path] = state;
    }
    answered_();
  }
}

}  // namespace orvent
