#include "views/project_output/raster_device_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/app_settings.h"
#include "app/options/option_pages.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "views/project_output/output_geometry.h"

namespace zv::output {

RasterDeviceDlg::RasterDeviceDlg(raster::RasterDevice& device, QWidget* parent)
    : QDialog(parent), device_(device), dpi_(new QLineEdit(this)), colour_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("设置光栅化参数"));
  dpi_->setObjectName(QStringLiteral("dpi"));
  dpi_->setText(QString::fromStdString(num::Format("%g", device.dpi)));
  colour_->setObjectName(QStringLiteral("colour"));
  colour_->addItems({QStringLiteral("RGB"), QStringLiteral("CMYK")});
  colour_->setCurrentIndex(device.colour == raster::ColourMode::kCmyk ? 1 : 0);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("分辨率(dpi)"), dpi_);
  form->addRow(QStringLiteral("颜色"), colour_);
  layout->addLayout(form);
  AddOkCancelButtons(*this, layout);
}

void RasterDeviceDlg::accept() {
  const Resolution resolution = ParseResolution(dpi_->text().toStdString());
  if (!resolution.refusal.empty()) {
    prompt::Message(QString::fromStdString(resolution.refusal), prompt::kIconWarning);
    return;
  }
  device_.dpi = resolution.dpi;
  device_.colour = colour_->currentIndex() == 1 ? raster::ColourMode::kCmyk : raster::ColourMode::kRgb;
  QDialog::accept();
}

namespace {

constexpr const char* kSection = "RasterDevice";
constexpr const char* kCmyk = "CMYK";

}  // namespace

raster::RasterDevice LoadRasterDevice(const ProfileFile& file) {
  raster::RasterDevice device;
  const Resolution resolution = ParseResolution(file.GetString(kSection, "Dpi", ""));
  if (resolution.refusal.empty()) device.dpi = resolution.dpi;
  if (file.GetString(kSection, "Colour", "") == kCmyk) device.colour = raster::ColourMode::kCmyk;
  return device;
}

bool SaveRasterDevice(const ProfileFile& file, const raster::RasterDevice& device) {
  return file.WriteStrings({{kSection, "Dpi", num::Format("%g", device.dpi)},
                            {kSection, "Colour", device.colour == raster::ColourMode::kCmyk ? kCmyk : "RGB"}});
}

raster::RasterDevice& ProgramRasterDevice() {
  static raster::RasterDevice device = LoadRasterDevice(SettingsFile());
  return device;
}

void EditRastDevice() {
  RasterDeviceDlg dialog(ProgramRasterDevice(), prompt::GetMainWnd());
  if (prompt::Current().Exec(dialog) == QDialog::Accepted && !SaveRasterDevice(SettingsFile(), ProgramRasterDevice()))
    options::WarnSettingsNotKept();
}

}  // namespace zv::output
