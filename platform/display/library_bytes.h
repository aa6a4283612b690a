#pragma once
// Bounds-checked little-endian reads from a library file held in memory. Every
// read says whether the bytes were there, so a truncated or hostile file can
// only make a read fail, never read past the end.

#include <cstdint>
#include <cstring>
#include <string_view>

namespace zv::display {

class LibraryBytes {
 public:
  explicit LibraryBytes(std::string_view bytes) : bytes_(bytes) {}

  std::size_t Size() const { return bytes_.size(); }

  bool I16(std::int64_t at, std::int16_t& value) const { return Read(at, value); }
  bool U16(std::int64_t at, std::uint16_t& value) const { return Read(at, value); }
  bool I32(std::int64_t at, std::int32_t& value) const { return Read(at, value); }
  bool F32(std::int64_t at, float& value) const { return Read(at, value); }

 private:
  template <typename T>
  bool Read(std::int64_t at, T& value) const {
    if (at < 0 || static_cast<std::uint64_t>(at) + sizeof(T) > bytes_.size()) return false;
    std::memcpy(&value, bytes_.data() + at, sizeof(T));  // the platform's files are little-endian, as we are
    return true;
  }

  std::string_view bytes_;
};

}  // namespace zv::display
