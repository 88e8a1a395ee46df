// The two histories the crash test's saver writes in turn: 999 rows and 998,
// names and folders in code page 932.
#pragma once

#include <string>

#include "history/recent_history.h"

namespace orvent {
namespace test {

inline RecentHistory SavedHistory(int rows) {
  RecentHistory list;
  for (int n = 1; n <= rows; ++n) {
    const std::string name = "\x95\x5C\x8E\xA6 " + std::to_string(n);  // 表示 n
    list.push_back({n, name, "D:\\\x83\x5C\x83\x74\x83\x67\\" + name + "\\", n % 6, n % 5, "JGD"});
  }
  return list;
}

}  // namespace test
}  // namespace orvent
