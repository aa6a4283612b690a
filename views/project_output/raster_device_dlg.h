#pragma once
// "设置光栅化参数": the rasterising device's resolution (typed, 1 to 2400
// dpi) and colour mode (RGB or CMYK). OK with a bad resolution tells why and
// stays open; OK with good values changes the device.

#include <QDialog>

#include "framework/profile/profile_file.h"
#include "platform/raster/raster_device.h"

class QComboBox;
class QLineEdit;

namespace zv::output {

class RasterDeviceDlg : public QDialog {
  Q_OBJECT

 public:
  explicit RasterDeviceDlg(raster::RasterDevice& device, QWidget* parent = nullptr);
  void accept() override;

 private:
  raster::RasterDevice& device_;
  QLineEdit* dpi_;
  QComboBox* colour_;
};

// The device kept in the settings file ([RasterDevice] Dpi and Colour); a
// missing or bad value keeps the default.
raster::RasterDevice LoadRasterDevice(const ProfileFile& file);
bool SaveRasterDevice(const ProfileFile& file, const raster::RasterDevice& device);

// The program's device, read from the settings on first use.
raster::RasterDevice& ProgramRasterDevice();

// Runs the dialog on the program's device through the prompts seam; OK
// keeps the values for the next start too.
void EditRastDevice();

}  // namespace zv::output
