#include "platform/raster/nv1_file.h"

#include <cmath>
#include <cstring>

#include "framework/fileio/file_io.h"
#include "platform/raster/cmyk.h"
#include "platform/raster/row_encoder.h"

namespace zv::raster {

namespace {

constexpr char kMagic[4] = {'N', 'V', '1', 0x1A};
constexpr uint16_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 24;

template <typename T>
void Put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));  // the program runs little-endian only
  out.append(bytes, sizeof(T));
}

template <typename T>
T Get(const char* bytes) {
  T value;
  std::memcpy(&value, bytes, sizeof(T));
  return value;
}

// The most bytes PackBits makes of `length` bytes.
std::size_t MostPacked(std::size_t length) { return length + (length + 127) / 128; }

class Nv1Encoder : public RowEncoder {
 public:
  Nv1Encoder(const std::string& path, const ImageSpec& spec) : path_(path), spec_(spec) {
    if (spec.colour == ColourMode::kCmyk) cmyk_.resize(static_cast<std::size_t>(spec.width) * 4);
  }

  bool Open(std::string* error) {
    if (!file_.Open(path_, error)) return false;
    std::string header(kMagic, 4);
    Put<uint16_t>(header, kVersion);
    Put<uint16_t>(header, static_cast<uint16_t>(Channels(spec_.colour)));
    Put<uint32_t>(header, static_cast<uint32_t>(spec_.width));
    Put<uint32_t>(header, static_cast<uint32_t>(spec_.height));
    Put<double>(header, spec_.dpi);
    file_.Write(header);
    return true;
  }

  bool WriteRows(const uint8_t* rgb, int rows) override {
    const std::size_t stride = static_cast<std::size_t>(spec_.width) * 3;
    for (int r = 0; r < rows; ++r) {
      const uint8_t* line = rgb + static_cast<std::size_t>(r) * stride;
      std::size_t length = stride;
      if (!cmyk_.empty()) {
        RgbToCmykRow(line, cmyk_.data(), spec_.width);
        line = cmyk_.data();
        length = cmyk_.size();
      }
      PackBits(line, length, &packed_);
      std::string count;
      Put<uint32_t>(count, static_cast<uint32_t>(packed_.size()));
      file_.Write(count);
      if (!file_.Write(std::string_view(reinterpret_cast<const char*>(packed_.data()), packed_.size()))) return false;
    }
    return true;
  }

  bool Finish(std::string* error) override { return file_.Commit(error); }

 private:
  std::string path_;
  ImageSpec spec_;
  fileio::AtomicFileWriter file_;
  std::vector<uint8_t> cmyk_;
  std::vector<uint8_t> packed_;
};

}  // namespace

void PackBits(const uint8_t* bytes, std::size_t length, std::vector<uint8_t>* packed) {
  packed->clear();
  std::size_t i = 0;
  while (i < length) {
    std::size_t run = 1;
    while (i + run < length && run < 128 && bytes[i + run] == bytes[i]) ++run;
    if (run >= 3) {
      packed->push_back(static_cast<uint8_t>(257 - run));
      packed->push_back(bytes[i]);
      i += run;
      continue;
    }
    // Literals up to the next run of three or 128 bytes.
    std::size_t end = i;
    while (end < length && end - i < 128 &&
           !(end + 2 < length && bytes[end] == bytes[end + 1] && bytes[end] == bytes[end + 2]))
      ++end;
    packed->push_back(static_cast<uint8_t>(end - i - 1));
    packed->insert(packed->end(), bytes + i, bytes + end);
    i = end;
  }
}

bool UnpackBits(const uint8_t* packed, std::size_t packedLength, uint8_t* out, std::size_t length) {
  std::size_t in = 0, done = 0;
  while (in < packedLength) {
    const uint8_t control = packed[in++];
    if (control < 128) {
      const std::size_t n = control + 1u;
      if (in + n > packedLength || done + n > length) return false;
      std::memcpy(out + done, packed + in, n);
      in += n;
      done += n;
    } else if (control > 128) {
      const std::size_t n = 257u - control;
      if (in >= packedLength || done + n > length) return false;
      std::memset(out + done, packed[in++], n);
      done += n;
    } else {
      return false;
    }
  }
  return done == length;
}

bool Nv1Reader::Open(const std::string& path, std::string* error) {
  path_ = path;
  in_.open(path, std::ios::binary);
  char bytes[kHeaderBytes];
  if (!in_ || !in_.read(bytes, kHeaderBytes)) {
    if (error) *error = path + ": 无法读取光栅化文件。";
    return false;
  }
  header_.channels = Get<uint16_t>(bytes + 6);
  const uint32_t width = Get<uint32_t>(bytes + 8), height = Get<uint32_t>(bytes + 12);
  header_.dpi = Get<double>(bytes + 16);
  const bool valid = std::memcmp(bytes, kMagic, 4) == 0 && Get<uint16_t>(bytes + 4) == kVersion &&
                     (header_.channels == 3 || header_.channels == 4) && width >= 1 && width <= 65535 &&
                     height >= 1 && height <= 65535 && std::isfinite(header_.dpi) &&
                     header_.dpi >= kLowestPrintDpi && header_.dpi <= kHighestPrintDpi;
  if (!valid) {
    if (error) *error = path + ": 不是NV1光栅化文件，或文件已损坏。";
    return false;
  }
  header_.width = static_cast<int>(width);
  header_.height = static_cast<int>(height);
  return true;
}

bool Nv1Reader::ReadCount(uint32_t* packedLength, std::string* error) {
  const std::size_t length = static_cast<std::size_t>(header_.width) * static_cast<std::size_t>(header_.channels);
  char count[4];
  const bool ok = static_cast<bool>(in_.read(count, 4)) && (*packedLength = Get<uint32_t>(count)) <= MostPacked(length);
  if (!ok && error) *error = path_ + ": 光栅化文件不完整或已损坏。";
  return ok;
}

bool Nv1Reader::ReadRow(std::vector<uint8_t>* samples, std::string* error) {
  const std::size_t length = static_cast<std::size_t>(header_.width) * static_cast<std::size_t>(header_.channels);
  uint32_t packedLength = 0;
  if (!ReadCount(&packedLength, error)) return false;
  packed_.resize(packedLength);
  samples->resize(length);
  const bool ok = in_.read(reinterpret_cast<char*>(packed_.data()), packedLength) &&
                  UnpackBits(packed_.data(), packed_.size(), samples->data(), length);
  if (!ok && error) *error = path_ + ": 光栅化文件不完整或已损坏。";
  return ok;
}

bool Nv1Reader::SkipRow(std::string* error) {
  uint32_t packedLength = 0;
  if (!ReadCount(&packedLength, error)) return false;
  const bool ok = static_cast<bool>(in_.seekg(packedLength, std::ios::cur));
  if (!ok && error) *error = path_ + ": 光栅化文件不完整或已损坏。";
  return ok;
}

std::unique_ptr<RowEncoder> OpenNv1Encoder(const std::string& path, const ImageSpec& spec, std::string* error) {
  auto encoder = std::make_unique<Nv1Encoder>(path, spec);
  if (!encoder->Open(error)) return nullptr;
  return encoder;
}

}  // namespace zv::raster
