// Whether the project files of the grid's rows exist, found out off the UI
// thread: a share that does not answer can take tens of seconds, and the
// window must never wait for it. Each path is asked once, for the life of
// the window; a path that gives no answer within the bound stays unknown.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace orvent {

class ProjectPresence {
 public:
  enum class State { kUnknown, kPresent, kMissing };
  using Exists = std::function<bool(const std::string& path)>;

  // `exists` runs on other threads; `answered` too, after each answer.
  ProjectPresence(Exists exists, std::function<void()> answered, int boundMilliseconds);
  ~ProjectPresence();
  ProjectPresence(const ProjectPresence&) = delete;
  ProjectPresence& operator=(const ProjectPresence&) = delete;

  // What is known of the path; asks for it when it was never asked.
  State Get(const std::string& path);

 private:
  void Work();

  const Exists exists_;
  const std::function<void()> answered_;
  const int bound_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::map<std::string, State> known_;  // asked paths; kUnknown while pending or given up
  std::deque<std::string> queue_;
  std::atomic<bool> stopping_{false};
  std::thread worker_;
};

}  // namespace orvent
