// A stand-in for the suite's member applications, copied under each of their
// names beside the Selector. It appends how it was started to a start record
// beside it and shows the same in a window; with ORVENT_MEMBER_NO_WINDOW set
// (the end-to-end journeys set it) it only records and ends at once.
#include <windows.h>

#include "demo/member/start_facts.h"
#include "demo/member/start_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const member::StartFacts facts = member::ReadStartFacts();
  const bool recorded = member::AppendStartRecord(facts);
  if (GetEnvironmentVariableA("ORVENT_MEMBER_NO_WINDOW", nullptr, 0) > 0) return recorded ? 0 : 1;
  return member::RunStartWindow(instance, facts);
}
