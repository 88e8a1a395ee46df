#include "history/project_presence.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

#include "namelist/mbcs.h"

namespace orvent {
namespace {

using Clock = std::chrono::steady_clock;

// How often a free thread looks again at paths held up behind a running check.
constexpr auto kStep = std::chrono::milliseconds(20);

bool IsNetworkPath(const std::string& path) { return path.compare(0, 2, "\\\\") == 0; }

// What a path is asked through: the server of a network path, else its drive.
std::string Root(const std::string& path) {
  return path.substr(0, FindChar(path, '\\', IsNetworkPath(path) ? 2 : 0));
}

// The drive ("D:\\") or share ("\\\\server\\share\\") a path lies on; empty
// for a path without one.
std::string VolumeOf(const std::string& path) {
  if (!IsNetworkPath(path)) {
    return path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) + "\\" : std::string();
  }
  const std::size_t share = FindChar(path, '\\', 2);
  const std::size_t end = share == std::string::npos ? share : FindChar(path, '\\', share + 1);
  return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

// All the threads use, held by each of them: a check that never returns keeps
// it alive after the window has gone, and the process may end under it.
struct ProjectPresence::Shared {
  struct Pending {
    std::string root, path;
  };
  Check check;
  std::function<void()> answered;
  Clock::duration bound;
  std::mutex mutex;
  std::condition_variable wake;
  std::condition_variable answers;  // for Wait
  bool closed = false;
  std::map<std::string, State> known;  // asked paths; kUnknown while pending or given up
  std::deque<Pending> queue;
  std::map<std::string, Clock::time_point> busy;  // roots being asked, since when
  std::set<std::string> silent;                   // roots given up
};

ProjectPresence::ProjectPresence(Check check, std::function<void()> answered, int boundMilliseconds)
    : shared_(std::make_shared<Shared>()) {
  shared_->check = std::move(check);
  shared_->answered = std::move(answered);
  shared_->bound = std::chrono::milliseconds(boundMilliseconds);
  for (int i = 0; i < kThreads; ++i) std::thread(Work, shared_).detach();
}

ProjectPresence::~ProjectPresence() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->closed = true;
  shared_->queue.clear();
  shared_->wake.notify_all();
}

ProjectPresence::State ProjectPresence::Get(const std::string& path) {
  Shared& s = *shared_;
  std::lock_guard<std::mutex> lock(s.mutex);
  const auto asked = s.known.emplace(path, State::kUnknown);
  if (!asked.second) return asked.first->second;
  s.queue.push_back({Root(path), path});
  s.wake.notify_one();
  return State::kUnknown;
}

void ProjectPresence::Wait(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) Get(path);
  Shared& s = *shared_;
  std::unique_lock<std::mutex> lock(s.mutex);
  s.answers.wait_for(lock, s.bound + 2 * kStep, [&] {
    for (const std::string& path : paths) {
      if (s.known[path] == State::kUnknown) return false;
    }
    return true;
  });
}

void ProjectPresence::Forget() {
  std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->known.clear();
  shared_->queue.clear();
  shared_->silent.clear();
}

void ProjectPresence::Work(const std::shared_ptr<Shared>& shared) {
  Shared& s = *shared;
  std::unique_lock<std::mutex> lock(s.mutex);
  while (!s.closed) {
    // The first path whose root is free; those of roots given up are dropped.
    auto next = s.queue.begin();
    while (next != s.queue.end()) {
      const auto running = s.busy.find(next->root);
      if (running != s.busy.end() && Clock::now() - running->second > s.bound) {
        s.silent.insert(next->root);
      }
      if (s.silent.count(next->root) != 0) {
        s.known[next->path] = State::kUnreachable;
        next = s.queue.erase(next);
        Answered(s);
      } else if (running != s.busy.end()) {
        ++next;
      } else {
        break;
      }
    }
    if (next == s.queue.end()) {
      if (s.queue.empty()) {
        s.wake.wait(lock);
      } else {
        s.wake.wait_for(lock, kStep);
      }
      continue;
    }
    const Shared::Pending pending = std::move(*next);
    s.queue.erase(next);
    const Clock::time_point start = Clock::now();
    s.busy[pending.root] = start;
    lock.unlock();
    // Nothing may leave a thread: a check that fails is no answer.
    State state = State::kUnknown;
    try {
      state = s.check(pending.path);
    } catch (...) {
    }
    lock.lock();
    s.busy.erase(pending.root);
    // A slow server is given up for its other paths; this answer still counts.
    if (Clock::now() - start > s.bound) s.silent.insert(pending.root);
    if (s.closed || state == State::kUnknown) continue;
    s.known[pending.path] = state;
    Answered(s);
  }
}

void ProjectPresence::Answered(Shared& s) {
  s.answers.notify_all();
  try {
    s.answered();
  } catch (...) {
  }
}

ProjectPresence::State CheckProjectFile(Platform& platform, const std::string& path) {
  if (platform.Exists(path)) return ProjectPresence::State::kPresent;
  const std::string volume = VolumeOf(path);
  return volume.empty() || platform.FolderExists(volume) ? ProjectPresence::State::kMissing
                                                         : ProjectPresence::State::kUnreachable;
}

}  // namespace orvent
