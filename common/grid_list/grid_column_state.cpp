#include "common/grid_list/grid_column_state.h"

#include <QByteArray>
#include <QStandardPaths>
#include <cctype>
#include <cstdint>

#include "framework/bytes/little_endian.h"

namespace zv::grid {

std::optional<std::vector<int>> DecodeColumnState(const QString& hexValue, int columnCount) {
  const QByteArray hex = hexValue.trimmed().toLatin1();
  if (hex.isEmpty() || hex.size() % 2 != 0) return std::nullopt;
  for (const char c : hex) {
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
  }
  const QByteArray raw = QByteArray::fromHex(hex);
  const auto* data = reinterpret_cast<const std::uint8_t*>(raw.constData());
  if (raw.size() < 4) return std::nullopt;
  const std::int32_t count = bytes::ReadLe<std::int32_t>(data);
  if (count != columnCount || raw.size() != 4 + 4 * static_cast<qsizetype>(count)) return std::nullopt;
  std::vector<int> widths;
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t width = bytes::ReadLe<std::int32_t>(data + 4 + 4 * i);
    if (width < 0) return std::nullopt;
    widths.push_back(width);
  }
  return widths;
}

QString EncodeColumnState(const std::vector<int>& widths) {
  QByteArray raw(static_cast<qsizetype>(4 + 4 * widths.size()), '\0');
  auto* data = reinterpret_cast<std::uint8_t*>(raw.data());
  bytes::WriteLe<std::int32_t>(data, static_cast<std::int32_t>(widths.size()));
  for (std::size_t i = 0; i < widths.size(); ++i) bytes::WriteLe<std::int32_t>(data + 4 + 4 * i, widths[i]);
  return QString::fromLatin1(raw.toHex());
}

std::string ColumnStateProfilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return (folder + QStringLiteral("/Zavediz/registry.ini")).toStdString();
}

}  // namespace zv::grid
