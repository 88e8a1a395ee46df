// Whether the project files of the grid's rows exist, found out off the UI
// thread: a share that does not answer can take tens of seconds, and the
// window must never wait for it. Each path is asked once, for the life of
// the window; a path is unknown until its answer comes.
//
// The checks run on a few threads, kept for the life of the object: a thread
// per check would leave one behind for every path of a server that never
// answers, and each reserves a stack in the 32-bit address space. A server
// or drive is asked one path at a time; once a check of it outlasts the
// bound it is given up, its other paths stay unknown unasked, and the other
// threads go on with other servers.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace orvent {

class ProjectPresence {
 public:
  enum class State { kUnknown, kPresent, kMissing };
  using Exists = std::function<bool(const std::string& path)>;
  static constexpr int kThreads = 4;

  // `exists` runs on other threads, and a check that does not return may
  // outlast this object; one that throws counts as unknown. `answered` runs
  // on those threads after each answer, never after the destructor.
  ProjectPresence(Exists exists, std::function<void()> answered, int boundMilliseconds);
  ~ProjectPresence();  // never waits for a check
  ProjectPresence(const ProjectPresence&) = delete;
  ProjectPresence& operator=(const ProjectPresence&) = delete;

  // What is known of the path; asks for it when it was never asked.
  State Get(const std::string& path);

 private:
  struct Shared;
  static void Work(const std::shared_ptr<Shared>& shared);

  std::shared_ptr<Shared> shared_;
};

}  // namespace orvent
