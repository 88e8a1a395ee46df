// Every message the user can be shown, against its text written out in
// messages.tsv; the product's constants are only looked up by name there.
#include <gtest/gtest.h>

#include <map>

#include "history/messages.h"
#include "launch/messages.h"
#include "tests/support/test_support.h"
#include "ui/framework/messages.h"
#include "ui/selector/selector_texts.h"

namespace orvent {
namespace {

TEST(Messages, EachReadsExactlyAsTheTableWritesIt) {
#define NAMED(message) \
  { #message, message }
  const std::map<std::string, std::string> fixed = {
      NAMED(kMsgNameInvalid),        NAMED(kMsgNameForbidden),  NAMED(kMsgLocationInvalid),
      NAMED(kMsgProjectFileMissing), NAMED(kMsgNoApplication),  NAMED(kMsgNoProjectType),
      NAMED(kMsgProjectExists),      NAMED(kMsgFileFailed),     NAMED(kMsgFolderNameUnusable),
      NAMED(kMsgFileNameUnusable),   NAMED(kMsgNotStarted),     NAMED(kMsgNoManual),
      NAMED(kMsgFolderNotFound),     NAMED(kMsgDeleteQuestion), NAMED(ui::kMsgUnexpectedError),
      NAMED(kMsgNoneMissing)};
#undef NAMED
  std::map<std::string, int> looked;
  test::ExpectTable("messages.tsv", [&](const std::vector<std::string>& f) -> std::string {
    ++looked[f[0]];
    if (f[0] == "FolderFailedMessage") return FolderFailedMessage(f[1]);
    if (f[0] == "HistoryNotSavedMessage") return HistoryNotSavedMessage(f[1]);
    if (f[0] == "RemoveMissingQuestion") return RemoveMissingQuestion(std::stoi(f[1]));
    const auto found = fixed.find(f[0]);
    return found != fixed.end() ? found->second : "(no such message)";
  });
  EXPECT_EQ(looked.size(), fixed.size() + 3) << "a message with no row in the table";
}

}  // namespace
}  // namespace orvent
