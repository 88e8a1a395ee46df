#include "namelist/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace orvent {
namespace {

using Lines = std::vector<std::string>;

Lines ReadAll(TextFile* file) {
  Lines lines;
  std::string line;
  while (file->ReadLine(&line)) lines.push_back(line);
  return lines;
}

TEST(TextFileRead, SplitsLinesAndGoesBack) {
  const struct {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"", {}},
      {"\r\n\n", {"", ""}},
      // Only the CR right before an LF belongs to the line end.
      {"a\rb\r\r\nc\r", {"a\rb\r", "c\r"}},
      {std::string("\x95\x5C\0\x1A\r\n", 6), {std::string("\x95\x5C\0\x1A", 4)}},
  };
  test::ScratchFolder folder;
  const std::string path = folder.File("in.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ASSERT_TRUE(test::WriteBytes(path, c.bytes));
    TextFile file;
    ASSERT_TRUE(file.OpenRead(path));
    EXPECT_EQ(ReadAll(&file), c.lines);
    EXPECT_EQ(file.Position(), static_cast<std::int64_t>(c.bytes.size()));
    ASSERT_TRUE(file.SeekToStart());
    EXPECT_EQ(file.Position(), 0);
    EXPECT_EQ(ReadAll(&file), c.lines);
    EXPECT_TRUE(file.Close());
  }
}

TEST(TextFileWrite, StoresCrLf) {
  const struct {
    Lines writes;
    std::string bytes;
  } cases[] = {
      {{"a", "b\n", "\n\nx"}, "ab\r\n\r\n\r\nx"},
      {{"a\r\n"}, "a\r\r\n"},
      {{}, ""},
      {{"\x95\x5C\x8E\xA6\n"}, "\x95\x5C\x8E\xA6\r\n"},
  };
  test::ScratchFolder folder;
  const std::string path = folder.File("out.txt");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ASSERT_TRUE(test::WriteBytes(path, "old content, longer than the new\r\n"));
    TextFile file;
    ASSERT_TRUE(file.Create(path));
    for (const std::string& text : c.writes) EXPECT_TRUE(file.Write(text));
    EXPECT_EQ(file.Position(), static_cast<std::int64_t>(c.bytes.size()));
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(test::ReadBytes(path), c.bytes);
  }
}

// Several buffers' worth, the first CR as the last byte of the first buffer.
TEST(TextFileLarge, WritesAndReadsAcrossBufferEdges) {
  test::ScratchFolder folder;
  const std::string path = folder.File("large.txt");
  Lines lines = {std::string(64 * 1024 - 1, 'x')};
  std::string bytes = lines[0] + "\r\n";
  std::vector<std::int64_t> ends = {static_cast<std::int64_t>(bytes.size())};
  {
    TextFile file;  // closed by its destructor
    ASSERT_TRUE(file.Create(path));
    ASSERT_TRUE(file.Write(lines[0] + "\n"));
    for (int i = 1; i < 5000; ++i) {
      lines.push_back(std::string(static_cast<std::size_t>(i % 97), 'x') + std::to_string(i));
      ASSERT_TRUE(file.Write(lines.back() + "\n"));
      bytes += lines.back() + "\r\n";
      ends.push_back(static_cast<std::int64_t>(bytes.size()));
    }
    EXPECT_EQ(file.Position(), ends.back());
    EXPECT_TRUE(file.Flush());
    ASSERT_TRUE(file.Write("tail"));
  }
  EXPECT_EQ(test::ReadBytes(path), bytes + "tail");
  TextFile file;
  ASSERT_TRUE(file.OpenRead(path));
  std::string line;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    ASSERT_TRUE(file.ReadLine(&line));
    ASSERT_EQ(line, lines[i]);
    ASSERT_EQ(file.Position(), ends[i]);
  }
  ASSERT_TRUE(file.SeekToStart());
  ASSERT_TRUE(file.ReadLine(&line));
  EXPECT_EQ(file.Position(), ends[0]);
}

TEST(TextFileOpen, Failures) {
  test::ScratchFolder folder;
  TextFile file;
  EXPECT_FALSE(file.OpenRead(folder.File("missing.txt")));
  EXPECT_FALSE(file.OpenRead(folder.Path()));
  EXPECT_FALSE(file.Create(test::Join(folder.File("missing"), "x.txt")));
  EXPECT_FALSE(file.IsOpen());
  std::string line = "kept";
  EXPECT_FALSE(file.ReadLine(&line));
  EXPECT_EQ(line, "");
  EXPECT_FALSE(file.Write("x"));
  // Reading and writing do not mix.
  ASSERT_TRUE(test::WriteBytes(folder.File("f.txt"), "a\r\n"));
  ASSERT_TRUE(file.OpenRead(folder.File("f.txt")));
  EXPECT_FALSE(file.Write("b\n"));
  EXPECT_FALSE(file.Flush());
  ASSERT_TRUE(file.Create(folder.File("g.txt")));
  EXPECT_FALSE(file.ReadLine(&line));
}

}  // namespace
}  // namespace orvent
