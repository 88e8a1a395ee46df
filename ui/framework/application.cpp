#include "ui/framework/application.h"

#include "namelist/mbcs.h"
#include "platform/platform.h"
#include "ui/framework/backend.h"

namespace ui {
namespace {

Application* g_app = nullptr;
Backend* g_backend = nullptr;

std::string BaseNameWithoutExtension(const std::string& path) {
  std::size_t slash = orvent::FindLastChar(path, '\\');
  std::size_t fwd = orvent::FindLastChar(path, '/');
  if (slash == std::string::npos || (fwd != std::string::npos && fwd > slash)) slash = fwd;
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

Backend& CurrentBackend() { return *g_backend; }
void SetCurrentBackend(Backend* backend) { g_backend = backend; }

Application::Application() { g_app = this; }

Application::~Application() {
  if (g_app == this) g_app = nullptr;
}

Application* App() { return g_app; }

int Application::Run(const std::string& commandLine) {
  g_app = this;
  commandLine_ = commandLine;
  exeName_ = BaseNameWithoutExtension(orvent::CurrentPlatform().ModuleFileName());
  InitInstance();
  return 0;
}

void Application::BeginWaitCursor() {
  if (waitCursorCount_++ == 0) CurrentBackend().ShowWaitCursor(true);
}

void Application::EndWaitCursor() {
  if (waitCursorCount_ == 0) return;
  if (--waitCursorCount_ == 0) CurrentBackend().ShowWaitCursor(false);
}

void Application::RestoreWaitCursor() {
  if (waitCursorCount_ > 0) CurrentBackend().ShowWaitCursor(true);
}

WaitCursor::WaitCursor() {
  if (App() != nullptr) App()->BeginWaitCursor();
}

WaitCursor::~WaitCursor() {
  if (App() != nullptr) App()->EndWaitCursor();
}

}  // namespace ui
