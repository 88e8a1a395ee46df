// Whether the project files of the grid's rows exist, found out off the UI
// thread: a share that does not answer can take tens of seconds, and the
// window must never wait for it. Each path is asked once, for the life of
// the window; a path is unknown until its answer comes. A project is missing
// only where its drive or share answers and the file is not there; on a
// drive that is not present or a share that does not answer it is out of
// reach, which says nothing of whether it still exists.
//
// The checks run on a few threads, kept for the life of the object: a thread
// per check would leave one behind for every path of a server that never
// answers, and each reserves a stack in the 32-bit address space. A server
// or drive is asked one path at a time; once a check of it outlasts the
// bound it is given up, its other paths are out of reach unasked, and the
// other threads go on with other servers.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace orvent {

class ProjectPresence {
 public:
  enum class State { kUnknown, kPresent, kMissing, kUnreachable };
  using Check = std::function<State(const std::string& path)>;
  static constexpr int kThreads = 4;

  // `check` runs on other threads, and a check that does not return may
  // outlast this object; one that throws counts as unknown. `answered` runs
  // on those threads after each answer, never after the destructor.
  ProjectPresence(Check check, std::function<void()> answered, int boundMilliseconds);
  ~ProjectPresence();  // never waits for a check
  ProjectPresence(const ProjectPresence&) = delete;
  ProjectPresence& operator=(const ProjectPresence&) = delete;

  // What is known of the path; asks for it when it was never asked.
  State Get(const std::string& path);
  // Asks for the paths and waits until each is answered or given up, or the
  // bound has passed: a server that does not answer holds it up once.
  void Wait(const std::vector<std::string>& paths);
  // Every path is asked again when it is next looked at.
  void Forget();

 private:
  struct Shared;
  static void Work(const std::shared_ptr<Shared>& shared);
  // Tells whoever waits, and the window, of an answer.
  static void Answered(Shared& shared);

  std::shared_ptr<Shared> shared_;
};

// Whether a project file is there, missing, or out of reach: asked of the
// file, and when it is not there, of its drive's or share's root.
ProjectPresence::State CheckProjectFile(Platform& platform, const std::string& path);

}  // namespace orvent
