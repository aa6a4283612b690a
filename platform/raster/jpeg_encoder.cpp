// The JPEG writer over libjpeg(-turbo). libjpeg reports errors through a
// function that must not return: ours jumps back into the small wrappers
// below, which hold nothing that needs destroying.
#include <csetjmp>
#include <cstdio>
#include <cmath>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>
#include <jerror.h>
#include <vector>

#include "framework/fileio/file_io.h"
#include "platform/raster/cmyk.h"
#include "platform/raster/row_encoder.h"

namespace zv::raster {

namespace {

constexpr int kQuality = 90;
constexpr std::size_t kBufferBytes = 1 << 16;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  info->err->format_message(info, manager->message);
  std::longjmp(manager->jump, 1);
}

void Quiet(j_common_ptr, int) {}

// The destination: a buffer emptied into the atomic file writer.
struct Destination {
  jpeg_destination_mgr base;
  fileio::AtomicFileWriter* file;
  JOCTET* buffer;
  std::size_t size;
};

void InitDestination(j_compress_ptr info) {
  auto* d = reinterpret_cast<Destination*>(info->dest);
  d->base.next_output_byte = d->buffer;
  d->base.free_in_buffer = d->size;
}

boolean EmptyBuffer(j_compress_ptr info) {
  auto* d = reinterpret_cast<Destination*>(info->dest);
  if (!d->file->Write(std::string_view(reinterpret_cast<const char*>(d->buffer), d->size)))
    ERREXIT(info, JERR_FILE_WRITE);
  InitDestination(info);
  return TRUE;
}

void TermDestination(j_compress_ptr info) {
  auto* d = reinterpret_cast<Destination*>(info->dest);
  const std::size_t used = d->size - d->base.free_in_buffer;
  if (!d->file->Write(std::string_view(reinterpret_cast<const char*>(d->buffer), used)))
    ERREXIT(info, JERR_FILE_WRITE);
}

class JpegEncoder : public RowEncoder {
 public:
  JpegEncoder(const std::string& path, const ImageSpec& spec) : path_(path), spec_(spec) {
    info_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = OnError;
    errors_.base.emit_message = Quiet;
    errors_.message[0] = 0;
    destination_.base.init_destination = InitDestination;
    destination_.base.empty_output_buffer = EmptyBuffer;
    destination_.base.term_destination = TermDestination;
    destination_.file = &file_;
    buffer_.resize(kBufferBytes);
    destination_.buffer = buffer_.data();
    destination_.size = buffer_.size();
    if (spec.colour == ColourMode::kCmyk) cmyk_.resize(static_cast<std::size_t>(spec.width) * 4);
  }

  ~JpegEncoder() override {
    if (created_) jpeg_destroy_compress(&info_);
  }

  bool Open(std::string* error) {
    if (!file_.Open(path_, error)) return false;
    return Start() || Failed(error);
  }

  bool WriteRows(const uint8_t* rgb, int rows) override {
    for (int row = 0; row < rows && ok_; ++row) {
      const uint8_t* line = rgb + static_cast<std::size_t>(row) * static_cast<std::size_t>(spec_.width) * 3;
      if (!cmyk_.empty()) {
        RgbToCmykRow(line, cmyk_.data(), spec_.width);
        for (uint8_t& sample : cmyk_) sample = static_cast<uint8_t>(255 - sample);
        line = cmyk_.data();
      }
      ok_ = WriteLine(line);
    }
    return ok_;
  }

  bool Finish(std::string* error) override {
    if (!ok_ || !FinishCompress()) return Failed(error);
    return file_.Commit(error);
  }

 private:
  bool Start() {
    if (setjmp(errors_.jump)) return false;
    jpeg_create_compress(&info_);
    created_ = true;
    info_.dest = &destination_.base;
    info_.image_width = static_cast<JDIMENSION>(spec_.width);
    info_.image_height = static_cast<JDIMENSION>(spec_.height);
    const bool cmyk = spec_.colour == ColourMode::kCmyk;
    info_.input_components = cmyk ? 4 : 3;
    info_.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info_);
    jpeg_set_quality(&info_, kQuality, TRUE);
    info_.write_JFIF_header = TRUE;  // also for CMYK: it carries the resolution
    info_.density_unit = 1;         // dots per inch
    const auto dpi = static_cast<UINT16>(std::lround(spec_.dpi));
    info_.X_density = dpi;
    info_.Y_density = dpi;
    jpeg_start_compress(&info_, TRUE);
    return true;
  }

  bool WriteLine(const uint8_t* line) {
    if (setjmp(errors_.jump)) return false;
    JSAMPROW row = const_cast<JSAMPROW>(line);
    jpeg_write_scanlines(&info_, &row, 1);
    return true;
  }

  bool FinishCompress() {
    if (setjmp(errors_.jump)) return false;
    jpeg_finish_compress(&info_);
    return true;
  }

  bool Failed(std::string* error) {
    ok_ = false;
    if (error) *error = path_ + ": JPEG写入失败（" + errors_.message + "）";
    return false;
  }

  std::string path_;
  ImageSpec spec_;
  fileio::AtomicFileWriter file_;
  jpeg_compress_struct info_{};
  ErrorManager errors_{};
  Destination destination_{};
  std::vector<JOCTET> buffer_;
  bool created_ = false;
  bool ok_ = true;
  std::vector<uint8_t> cmyk_;
};

}  // namespace

std::unique_ptr<RowEncoder> OpenJpegEncoder(const std::string& path, const ImageSpec& spec, std::string* error) {
  auto encoder = std::make_unique<JpegEncoder>(path, spec);
  if (!encoder->Open(error)) return nullptr;
  return encoder;
}

}  // namespace zv::raster
