// The TIFF writer over libtiff. libtiff seeks back to write its directory,
// so it works on the atomic writer's temporary file through its descriptor,
// with input and output procedures that never close it.
#include <sys/stat.h>
#include <tiffio.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <vector>

#include "framework/fileio/file_io.h"
#include "platform/raster/cmyk.h"
#include "platform/raster/row_encoder.h"

namespace zv::raster {

namespace {

int Descriptor(thandle_t handle) { return static_cast<fileio::AtomicFileWriter*>(handle)->Descriptor(); }

tmsize_t ReadProc(thandle_t handle, void* data, tmsize_t size) {
  return ::read(Descriptor(handle), data, static_cast<std::size_t>(size));
}

tmsize_t WriteProc(thandle_t handle, void* data, tmsize_t size) {
  const auto* bytes = static_cast<const char*>(data);
  tmsize_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(Descriptor(handle), bytes + done, static_cast<std::size_t>(size - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      static_cast<fileio::AtomicFileWriter*>(handle)->Fail(errno ? errno : EIO);
      return -1;
    }
    done += n;
  }
  return done;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  return static_cast<toff_t>(::lseek(Descriptor(handle), static_cast<off_t>(offset), whence));
}

int CloseProc(thandle_t) { return 0; }

toff_t SizeProc(thandle_t handle) {
  struct stat status{};
  return ::fstat(Descriptor(handle), &status) == 0 ? static_cast<toff_t>(status.st_size) : 0;
}

int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

class TiffEncoder : public RowEncoder {
 public:
  TiffEncoder(const std::string& path, const ImageSpec& spec) : path_(path), spec_(spec) {
    if (spec.colour == ColourMode::kCmyk) cmyk_.resize(static_cast<std::size_t>(spec.width) * 4);
  }

  ~TiffEncoder() override {
    if (tiff_) TIFFClose(tiff_);
  }

  bool Open(std::string* error) {
    if (!file_.Open(path_, error)) return false;
    tiff_ = TIFFClientOpen(path_.c_str(), "w", &file_, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                           UnmapProc);
    if (!tiff_) return Failed(error);
    const bool cmyk = spec_.colour == ColourMode::kCmyk;
    TIFFSetField(tiff_, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(spec_.width));
    TIFFSetField(tiff_, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(spec_.height));
    TIFFSetField(tiff_, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff_, TIFFTAG_SAMPLESPERPIXEL, cmyk ? 4 : 3);
    TIFFSetField(tiff_, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff_, TIFFTAG_PHOTOMETRIC, cmyk ? PHOTOMETRIC_SEPARATED : PHOTOMETRIC_RGB);
    if (cmyk) TIFFSetField(tiff_, TIFFTAG_INKSET, INKSET_CMYK);
    TIFFSetField(tiff_, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    TIFFSetField(tiff_, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
    TIFFSetField(tiff_, TIFFTAG_ORIENTATION, ORIENTATION_TOPLEFT);
    TIFFSetField(tiff_, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff_, TIFFTAG_XRESOLUTION, static_cast<float>(spec_.dpi));
    TIFFSetField(tiff_, TIFFTAG_YRESOLUTION, static_cast<float>(spec_.dpi));
    TIFFSetField(tiff_, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff_, 0));
    return true;
  }

  bool WriteRows(const uint8_t* rgb, int rows) override {
    const std::size_t stride = static_cast<std::size_t>(spec_.width) * 3;
    for (int r = 0; r < rows && ok_; ++r, ++row_) {
      const uint8_t* line = rgb + static_cast<std::size_t>(r) * stride;
      if (!cmyk_.empty()) {
        RgbToCmykRow(line, cmyk_.data(), spec_.width);
        line = cmyk_.data();
      }
      ok_ = TIFFWriteScanline(tiff_, const_cast<uint8_t*>(line), row_, 0) == 1;
    }
    return ok_;
  }

  bool Finish(std::string* error) override {
    const bool flushed = ok_ && TIFFFlush(tiff_) == 1;
    TIFFClose(tiff_);
    tiff_ = nullptr;
    if (!flushed) return Failed(error);
    return file_.Commit(error);
  }

 private:
  bool Failed(std::string* error) {
    ok_ = false;
    if (error) *error = path_ + ": TIFF写入失败";
    return false;
  }

  std::string path_;
  ImageSpec spec_;
  fileio::AtomicFileWriter file_;
  TIFF* tiff_ = nullptr;
  uint32_t row_ = 0;
  bool ok_ = true;
  std::vector<uint8_t> cmyk_;
};

}  // namespace

std::unique_ptr<RowEncoder> OpenTiffEncoder(const std::string& path, const ImageSpec& spec, std::string* error) {
  auto encoder = std::make_unique<TiffEncoder>(path, spec);
  if (!encoder->Open(error)) return nullptr;
  return encoder;
}

}  // namespace zv::raster
