// Waiting by polling, with the driver's own messages pumped meanwhile (its
// window must answer the system while another process takes the front).
#pragma once

#include <windows.h>

#include <functional>

namespace e2e {

// Generous: the very first start in a fresh wine prefix takes seconds.
constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 5000;
constexpr DWORD kPollIntervalMs = 10;

// Calls condition until it is true or timeoutMs have passed; true when it
// became true. The condition is always called at least once.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs,
               DWORD intervalMs = kPollIntervalMs);

// Dispatches whatever is queued for the driver's thread.
void PumpMessages();

}  // namespace e2e
