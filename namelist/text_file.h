// A text file read or written one line at a time, with the same bytes on every
// platform: lines are written with CR LF, and read without their LF or CR LF.
#pragma once

#include <cstdio>
#include <string>

namespace orvent {

class TextFile {
 public:
  TextFile() = default;
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // Opens an existing file (not a folder) for reading.
  [[nodiscard]] bool OpenRead(const std::string& path);
  // Creates the file, or truncates an existing one, for writing.
  [[nodiscard]] bool Create(const std::string& path);
  bool IsOpen() const { return file_ != nullptr; }

  // The next line without its line end; false at the end of the file. A CR
  // that does not stand before an LF stays part of the line.
  [[nodiscard]] bool ReadLine(std::string* line);
  // Writes the text with every LF stored as CR LF; false once anything failed.
  bool Write(const std::string& text);

  // Goes back to the first line of a file being read.
  [[nodiscard]] bool SeekToStart();

  // Closes the file; false when a write or the close itself failed.
  [[nodiscard]] bool Close();

 private:
  bool FillBuffer();
  bool WriteBuffer();

  std::FILE* file_ = nullptr;
  bool writing_ = false;
  bool failed_ = false;
  bool atEnd_ = false;
  std::string buffer_;
  std::size_t next_ = 0;  // reading: first unread byte of buffer_
};

}  // namespace orvent
