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
  const std::string target = SaveTarget(path);
  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    SetError(error, path, "cannot save", errno);
    return false;
  }
  // mkstemp creates the file for the owner only; a saved file keeps the
  // permissions of the file it replaces, and a new one gets what the umask
  // gives.
  struct stat old{};
  ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : NewFileMode());
  bool ok = WriteAll(fd, bytes.data(), bytes.size());
  int code = errno;
  ok = (::fsync(fd) == 0) && ok;
  ok = (::close(fd) == 0) && ok;
  if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) {
    code = errno ? errno : code;
    ::unlink(temporary.c_str());
    SetError(error, path, "cannot save", code);
  }
  return ok;
}

}  // namespace zv::fileio
