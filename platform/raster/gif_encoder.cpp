// The GIF writer over giflib, writing through our own output function into
// the atomic file writer.
#include <gif_lib.h>

#include <vector>

#include "framework/fileio/file_io.h"
#include "platform/raster/row_encoder.h"

namespace zv::raster {

namespace {

int WriteToFile(GifFileType* gif, const GifByteType* bytes, int length) {
  auto* file = static_cast<fileio::AtomicFileWriter*>(gif->UserData);
  return file->Write(std::string_view(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)))
             ? length
             : 0;
}

// The table's size: a power of two from 2 to 256.
int TableSize(std::size_t colours) {
  int size = 2;
  while (static_cast<std::size_t>(size) < colours) size *= 2;
  return size;
}

class GifEncoder : public RowEncoder {
 public:
  GifEncoder(const std::string& path, const ImageSpec& spec, const GifPalette& palette)
      : path_(path), spec_(spec), palette_(palette), line_(static_cast<std::size_t>(spec.width)) {}

  ~GifEncoder() override {
    if (gif_) EGifCloseFile(gif_, nullptr);
  }

  bool Open(std::string* error) {
    if (!file_.Open(path_, error)) return false;
    int code = 0;
    gif_ = EGifOpen(&file_, WriteToFile, &code);
    if (!gif_) return Failed(error, code);
    const std::vector<PaletteColour>& colours = palette_.colours();
    std::vector<GifColorType> table(static_cast<std::size_t>(TableSize(colours.size())), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i) table[i] = {colours[i].r, colours[i].g, colours[i].b};
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(table.size()), table.data());
    EGifSetGifVersion(gif_, true);
    const int width = static_cast<int>(spec_.width), height = static_cast<int>(spec_.height);
    const bool ok = map && EGifPutScreenDesc(gif_, width, height, 8, 0, map) == GIF_OK &&
                    EGifPutImageDesc(gif_, 0, 0, width, height, false, nullptr) == GIF_OK;
    GifFreeMapObject(map);
    return ok || Failed(error, gif_->Error);
  }

  bool WriteRows(const uint8_t* rgb, int rows) override {
    const std::size_t width = line_.size();
    for (int row = 0; row < rows && ok_; ++row) {
      uint32_t last = 0xFFFFFFFF;
      uint8_t index = 0;
      for (std::size_t x = 0; x < width; ++x, rgb += 3) {
        const uint32_t colour = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
        if (colour != last) {
          index = palette_.IndexOf(rgb[0], rgb[1], rgb[2]);
          last = colour;
        }
        line_[x] = index;
      }
      ok_ = EGifPutLine(gif_, line_.data(), static_cast<int>(width)) == GIF_OK;
    }
    return ok_;
  }

  bool Finish(std::string* error) override {
    int code = 0;
    const bool closed = EGifCloseFile(gif_, &code) == GIF_OK;
    gif_ = nullptr;
    if (!ok_ || !closed) return Failed(error, code);
    return file_.Commit(error);
  }

 private:
  bool Failed(std::string* error, int code) {
    if (error) *error = path_ + ": GIF写入失败（" + (GifErrorString(code) ? GifErrorString(code) : "") + "）";
    return false;
  }

  std::string path_;
  ImageSpec spec_;
  const GifPalette& palette_;
  fileio::AtomicFileWriter file_;
  GifFileType* gif_ = nullptr;
  std::vector<GifPixelType> line_;
  bool ok_ = true;
};

}  // namespace

std::unique_ptr<RowEncoder> OpenGifEncoder(const std::string& path, const ImageSpec& spec, const GifPalette& palette,
                                           std::string* error) {
  auto encoder = std::make_unique<GifEncoder>(path, spec, palette);
  if (!encoder->Open(error)) return nullptr;
  return encoder;
}

}  // namespace zv::raster
