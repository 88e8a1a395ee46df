// Saves the history to the file named by its argument over and over, 999 rows
// and 998 in turn, until it is killed. Before the first save it makes the
// file named by its second argument, to tell that it has begun.
#include <cstdio>

#include "history/history_file.h"
#include "tests/crash/saved_histories.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const orvent::RecentHistory lists[2] = {orvent::test::SavedHistory(999),
                                          orvent::test::SavedHistory(998)};
  if (std::FILE* begun = std::fopen(argv[2], "wb")) std::fclose(begun);
  for (unsigned i = 0;; ++i) static_cast<void>(orvent::SaveHistory(argv[1], lists[i % 2]));
}
