#include "namelist/text_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/test_support.h"

namespace orvent {
namespace {

using Lines = std::vector<std::string>;

Lines ReadAll(TextFile* file) {
  Lines lines;
  std::string line;
  while (file->ReadLine(&line)) lines.push_back(line);
  return lines;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class TextFileReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextFileReadTest, SplitsLines) {
  const ReadCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("in.txt");
  ASSERT_TRUE(test::WriteBytes(path, c.bytes));
  TextFile file;
  ASSERT_TRUE(file.OpenRead(path));
  EXPECT_EQ(ReadAll(&file), c.lines);
  EXPECT_EQ(file.Position(), static_cast<std::int64_t>(c.bytes.size()));
  // Going back reads the same lines again.
  ASSERT_TRUE(file.SeekToStart());
  EXPECT_EQ(file.Position(), 0);
  EXPECT_EQ(ReadAll(&file), c.lines);
  EXPECT_TRUE(file.Close());
}

const ReadCase kReadCases[] = {
    {"CrLf", "a\r\nb\r\n", {"a", "b"}},
    {"LfOnly", "a\nb\n", {"a", "b"}},
    {"NoFinalLineEnd", "a\r\nb", {"a", "b"}},
    {"Empty", "", {}},
    {"EmptyLines", "\r\n\n\r\n", {"", "", ""}},
    {"OnlyOneCrTaken", "a\r\r\n", {"a\r"}},
    {"InnerCrKept", "a\rb\n", {"a\rb"}},
    {"LoneCrAtEnd", "a\r", {"a\r"}},
    {"MultiByte", "\x95\x5C\x8E\xA6\r\n\x83\x5C\n", {"\x95\x5C\x8E\xA6", "\x83\x5C"}},
    {"ZeroByte", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    {"NoTextModeEndOfFile",
     "a\x1A"
     "b\r\nc",
     {"a\x1A"
      "b",
      "c"}},
};
INSTANTIATE_TEST_SUITE_P(Bytes, TextFileReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
  const char* name;
  Lines writes;
  std::string bytes;
};

class TextFileWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(TextFileWriteTest, StoresCrLf) {
  const WriteCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("out.txt");
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  for (const std::string& text : c.writes) EXPECT_TRUE(file.Write(text));
  EXPECT_EQ(file.Position(), static_cast<std::int64_t>(c.bytes.size()));
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), c.bytes);
}

const WriteCase kWriteCases[] = {
    {"Lines", {"a\n", "b\n"}, "a\r\nb\r\n"},
    {"PiecesOfALine", {"a", "b", "\n"}, "ab\r\n"},
    {"SeveralInOne", {"\n\nx\n"}, "\r\n\r\nx\r\n"},
    {"CrBeforeLfIsDoubled", {"a\r\n"}, "a\r\r\n"},
    {"NoLineEnd", {"a"}, "a"},
    {"Nothing", {}, ""},
    {"MultiByteUnchanged", {"\x95\x5C\x8E\xA6\n"}, "\x95\x5C\x8E\xA6\r\n"},
};
INSTANTIATE_TEST_SUITE_P(Texts, TextFileWriteTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TextFileLarge, LinesAcrossBufferEdgesAndPositions) {
  test::ScratchFolder folder;
  const std::string path = folder.File("large.txt");
  Lines expected;
  std::string bytes;
  std::vector<std::int64_t> ends;
  for (int i = 0; i < 5000; ++i) {
    expected.push_back(std::string(static_cast<std::size_t>(i % 97), 'x') + std::to_string(i));
    bytes += expected.back() + "\r\n";
    ends.push_back(static_cast<std::int64_t>(bytes.size()));
  }
  ASSERT_GT(bytes.size(), 3u * 64 * 1024);
  ASSERT_TRUE(test::WriteBytes(path, bytes));

  TextFile file;
  ASSERT_TRUE(file.OpenRead(path));
  std::string line;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    ASSERT_TRUE(file.ReadLine(&line));
    ASSERT_EQ(line, expected[i]);
    ASSERT_EQ(file.Position(), ends[i]);
  }
  EXPECT_FALSE(file.ReadLine(&line));
  ASSERT_TRUE(file.SeekToStart());
  ASSERT_TRUE(file.ReadLine(&line));
  EXPECT_EQ(line, expected[0]);
  EXPECT_EQ(file.Position(), ends[0]);
}

TEST(TextFileLarge, WritesBeyondOneBuffer) {
  test::ScratchFolder folder;
  const std::string path = folder.File("large.txt");
  std::string expected;
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  for (int i = 0; i < 20000; ++i) {
    ASSERT_TRUE(file.Write("line " + std::to_string(i) + "\n"));
    expected += "line " + std::to_string(i) + "\r\n";
  }
  EXPECT_EQ(file.Position(), static_cast<std::int64_t>(expected.size()));
  EXPECT_TRUE(file.Flush());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), expected);
}

TEST(TextFileOpen, Failures) {
  test::ScratchFolder folder;
  TextFile file;
  EXPECT_FALSE(file.OpenRead(folder.File("missing.txt")));
  EXPECT_FALSE(file.OpenRead(folder.Path()));
  EXPECT_FALSE(file.Create(folder.File("missing") + "/x.txt"));
  EXPECT_FALSE(file.IsOpen());
  std::string line = "kept";
  EXPECT_FALSE(file.ReadLine(&line));
  EXPECT_EQ(line, "");
  EXPECT_FALSE(file.Write("x"));
}

TEST(TextFileOpen, WrongDirectionFails) {
  test::ScratchFolder folder;
  const std::string path = folder.File("f.txt");
  ASSERT_TRUE(test::WriteBytes(path, "a\r\n"));
  TextFile reader;
  ASSERT_TRUE(reader.OpenRead(path));
  EXPECT_FALSE(reader.Write("b\n"));
  EXPECT_FALSE(reader.Flush());
  TextFile writer;
  ASSERT_TRUE(writer.Create(folder.File("g.txt")));
  std::string line;
  EXPECT_FALSE(writer.ReadLine(&line));
}

TEST(TextFileOpen, CreateTruncates) {
  test::ScratchFolder folder;
  const std::string path = folder.File("f.txt");
  ASSERT_TRUE(test::WriteBytes(path, "old content that is long\r\n"));
  TextFile file;
  ASSERT_TRUE(file.Create(path));
  file.Write("new\n");
  ASSERT_TRUE(file.Close());
  EXPECT_EQ(test::ReadBytes(path), "new\r\n");
}

TEST(TextFileOpen, DestructorWritesBufferedText) {
  test::ScratchFolder folder;
  const std::string path = folder.File("f.txt");
  {
    TextFile file;
    ASSERT_TRUE(file.Create(path));
    file.Write("kept\n");
  }
  EXPECT_EQ(test::ReadBytes(path), "kept\r\n");
}

}  // namespace
}  // namespace orvent
