#pragma once
// Whole-file reads and atomic writes. A save goes to a temporary file beside
// the target and is renamed over it only when everything was written and
// flushed to disk, so a failed or interrupted save leaves the old file as it
// was. The target's folder must exist. Saving through a symbolic link writes
// the file it points to and keeps the link; a replaced file keeps its
// permission bits, a new one gets those the umask allows.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv::fileio {

// False (with a message naming the file) when the file cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error = nullptr);
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error = nullptr);

// False (with a message naming the file; the old file intact) when the
// bytes cannot be saved.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error = nullptr);
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// The same save for output too large to hold in memory: the bytes go to the
// temporary file as they are written, and Commit renames it over the target.
// A writer destroyed without a successful Commit removes its temporary file
// and leaves the target as it was.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False (with a message naming the target) when no temporary file can be
  // made beside it.
  bool Open(const std::string& path, std::string* error = nullptr);
  // False once any write failed; later writes are ignored.
  bool Write(std::string_view bytes);
  // The temporary file's descriptor, for writers that must seek and read
  // back what they wrote (TIFF directories); they must not close it. After
  // writing through it, Fail tells the writer of an error. −1 when not open.
  int Descriptor() const { return fd_; }
  void Fail(int error) {
    ok_ = false;
    errno_ = error;
  }
  // Flushes to disk and renames; false (with a message, the target intact)
  // when any step failed.
  bool Commit(std::string* error = nullptr);

 private:
  void Discard();

  std::string path_;
  std::string target_;  // the file a link at path_ points to
  std::string temporary_;
  int fd_ = -1;
  bool ok_ = false;
  int errno_ = 0;
};

}  // namespace zv::fileio
