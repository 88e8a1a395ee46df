#include "namelist/text_file.h"

#include <cstring>

#include "namelist/open_file.h"

namespace orvent {
namespace {

const std::size_t kChunk = std::size_t{64} * 1024;

}  // namespace

// What becomes of a file still open when it is dropped is the caller's loss.
TextFile::~TextFile() { static_cast<void>(Close()); }

bool TextFile::OpenRead(const std::string& path) {
  static_cast<void>(Close());
  file_ = OpenFile(path, "rb");
  if (file_ == nullptr) return false;
  writing_ = false;
  // Some systems open a folder for reading; its first read then fails.
  FillBuffer();
  if (std::ferror(file_)) {
    static_cast<void>(Close());
    return false;
  }
  return true;
}

bool TextFile::Create(const std::string& path) {
  static_cast<void>(Close());
  file_ = OpenFile(path, "wb");
  if (file_ == nullptr) return false;
  writing_ = true;
  return true;
}

bool TextFile::FillBuffer() {
  if (file_ == nullptr || atEnd_) return false;
  buffer_.resize(kChunk);
  const std::size_t got = std::fread(&buffer_[0], 1, kChunk, file_);
  buffer_.resize(got);
  next_ = 0;
  // A short read means the end of the file (or an error, treated alike).
  if (got < kChunk) atEnd_ = true;
  return got > 0;
}

bool TextFile::ReadLine(std::string* line) {
  line->clear();
  if (file_ == nullptr || writing_) return false;
  bool any = false;
  for (;;) {
    if (next_ == buffer_.size() && !FillBuffer()) return any;
    const char* start = buffer_.data() + next_;
    const std::size_t available = buffer_.size() - next_;
    // A byte buffer, which the check takes for a C string without its end.
    // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
    const void* end = std::memchr(start, '\n', available);
    if (end != nullptr) {
      const std::size_t length = static_cast<std::size_t>(static_cast<const char*>(end) - start);
      line->append(start, length);
      next_ += length + 1;
      if (!line->empty() && line->back() == '\r') line->pop_back();
      return true;
    }
    line->append(start, available);
    next_ = buffer_.size();
    any = true;
  }
}

bool TextFile::Write(const std::string& text) {
  if (file_ == nullptr || !writing_ || failed_) return false;
  std::size_t from = 0;
  for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', from)) {
    buffer_.append(text, from, lf - from);
    buffer_ += "\r\n";
    from = lf + 1;
  }
  buffer_.append(text, from, std::string::npos);
  if (buffer_.size() >= kChunk) WriteBuffer();
  return !failed_;
}

bool TextFile::WriteBuffer() {
  if (!buffer_.empty() && !failed_) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  }
  buffer_.clear();
  return !failed_;
}

bool TextFile::SeekToStart() {
  if (file_ == nullptr || writing_ || std::fseek(file_, 0, SEEK_SET) != 0) return false;
  std::clearerr(file_);
  buffer_.clear();
  next_ = 0;
  atEnd_ = false;
  return true;
}

bool TextFile::Close() {
  if (file_ == nullptr) return false;
  bool ok = true;
  if (writing_) ok = WriteBuffer();
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  writing_ = false;
  failed_ = false;
  atEnd_ = false;
  buffer_.clear();
  next_ = 0;
  return ok;
}

}  // namespace orvent
