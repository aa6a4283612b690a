#include "platform/clipboard/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "platform/clipboard/entity_payload.h"

namespace zv::clipboard {

bool CopyEntities(std::span<const ENTITY_MSG> pool) {
  const std::vector<uint8_t> payload = EncodeEntities(pool);
  if (payload.empty()) return false;
  auto* data = new QMimeData;
  data->setData(kEntityMimeType,
                QByteArray(reinterpret_cast<const char*>(payload.data()), static_cast<qsizetype>(payload.size())));
  QGuiApplication::clipboard()->setMimeData(data);
  return true;
}

void CopyImageAndFiles(const QImage& image, const QStringList& paths) {
  auto* data = new QMimeData;
  data->setImageData(image);
  QList<QUrl> urls;
  for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
  data->setUrls(urls);
  QGuiApplication::clipboard()->setMimeData(data);
}

bool HasEntities() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data != nullptr && data->hasFormat(kEntityMimeType);
}

std::vector<uint8_t> Entities() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (data == nullptr) return {};
  const QByteArray bytes = data->data(kEntityMimeType);
  return {bytes.begin(), bytes.end()};
}

}  // namespace zv::clipboard
