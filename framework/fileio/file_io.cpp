#include "framework/fileio/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace zv::fileio {
namespace {

void SetError(std::string* error, const std::string& path, const char* what, int code) {
  if (error) *error = path + ": " + what + ": " + std::strerror(code);
}

// One read of the whole file into a buffer sized from the file's length.
template <typename Container>
bool ReadInto(const std::string& path, Container& bytes, std::string* error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat info{};
  if (fd < 0 || ::fstat(fd, &info) != 0) {
    SetError(error, path, "cannot open", errno);
    if (fd >= 0) ::close(fd);
    return false;
  }
  bytes.resize(static_cast<std::size_t>(info.st_size));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd, reinterpret_cast<char*>(bytes.data()) + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  const int code = errno;
  ::close(fd);
  if (done != bytes.size()) {
    SetError(error, path, "cannot read", code);
    bytes.clear();
    return false;
  }
  return true;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// The file a save must replace: a symbolic link is followed (link by link,
// a relative link from its own folder) so the link stays and its target
// takes the new bytes. A dangling link names the file to create.
std::string SaveTarget(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path target = path;
  for (int hops = 0; hops < 40; ++hops) {  // as the kernel's own limit on link chains
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) break;
    const fs::path link = fs::read_symlink(target, ec);
    if (ec) break;
    target = link.is_absolute() ? link : target.parent_path() / link;
  }
  return target.string();
}

// The mode a new file gets from the process's umask, read without changing
// it (changing it even briefly would race with other threads creating files).
mode_t NewFileMode() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("Umask:", 0) == 0) return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  return 0644;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string* error) {
  return ReadInto(path, bytes, error);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* error) {
  return ReadInto(path, bytes, error);
}

bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* error) {
  return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), error);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  AtomicFileWriter writer;
  if (!writer.Open(path, error)) return false;
  writer.Write(bytes);
  return writer.Commit(error);
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open(const std::string& path, std::string* error) {
  Discard();
  path_ = path;
  target_ = SaveTarget(path);
  temporary_ = target_ + ".XXXXXX";
  fd_ = ::mkstemp(temporary_.data());
  if (fd_ < 0) {
    SetError(error, path, "cannot save", errno);
    temporary_.clear();
    return false;
  }
  // mkstemp creates the file for the owner only; a saved file keeps the
  // permissions of the file it replaces, and a new one gets what the umask
  // gives.
  struct stat old{};
  ::fchmod(fd_, ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode());
  ok_ = true;
  errno_ = 0;
  return true;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (!ok_) return false;
  if (!WriteAll(fd_, bytes.data(), bytes.size())) {
    ok_ = false;
    errno_ = errno;
  }
  return ok_;
}

bool AtomicFileWriter::Commit(std::string* error) {
  if (fd_ < 0) {
    SetError(error, path_, "cannot save", errno_ ? errno_ : EBADF);
    return false;
  }
  bool ok = ok_ && ::fsync(fd_) == 0;
  int code = ok ? 0 : (errno_ ? errno_ : errno);
  if (::close(fd_) != 0 && ok) {
    ok = false;
    code = errno;
  }
  fd_ = -1;
  if (ok && ::rename(temporary_.c_str(), target_.c_str()) != 0) {
    ok = false;
    code = errno;
  }
  if (ok) {
    temporary_.clear();
    return true;
  }
  Discard();
  SetError(error, path_, "cannot save", code);
  return false;
}

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
  ok_ = false;
}

}  // namespace zv::fileio
