#include "common/globals/program_globals.h"

namespace zv {

QString& DataSourceName() {
  static QString value = QStringLiteral("kof");
  return value;
}

QString& CurrentFilePath() {
  static QString value;
  return value;
}

QString& CurrentWorkspaceFileName() {
  static QString value;
  return value;
}

QString& SharedText() {
  static QString value;
  return value;
}

QString& CurrentSectionTitle() {
  static QString value;
  return value;
}

QString& BackgroundPicturePath() {
  static QString value;
  return value;
}

int& SnapEnabled() {
  static int value = 0;
  return value;
}

int& OrthoEnabled() {
  static int value = 0;
  return value;
}

int16_t& SelectAfterSetting() {
  static int16_t value = 0;
  return value;
}

int16_t& CurrentPickMode() {
  static int16_t value = 0;
  return value;
}

uint16_t& GeologyRegionArea() {
  static uint16_t area = 0;
  return area;
}

int32_t& InvertSelection() {
  static int32_t on = 0;
  return on;
}

}  // namespace zv
