#include "app/chrome/mdi_background.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QPainter>
#include <QTimer>

#include "app/chrome/bmp_check.h"
#include "common/globals/program_globals.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/prompts.h"

namespace zv::chrome {
namespace {

constexpr QColor kBitmapFill(100, 100, 255);

QString DataFile(const char* name) { return QString::fromStdString(paths::GetDataFolder()) + QString::fromUtf8(name); }

}  // namespace

QImage BackgroundPictures::Load(const QString& path, bool bitmap) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile()) return {};
  const QDateTime modified = info.lastModified();
  const auto it = cache_.find(path);
  if (it != cache_.end() && it->second.modified == modified) return it->second.image;

  Entry& entry = cache_[path];
  entry = {modified, {}};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    // A bitmap that cannot be opened falls through silently.
    if (!bitmap) warn_(QStringLiteral("cann't open image file!"));
    return {};
  }
  const QByteArray bytes = file.readAll();
  if (bitmap) {
    const BmpCheck check = CheckBmp(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!check.ok) {
      warn_(QString::fromStdString(check.message));
      return {};
    }
  }
  if (!entry.image.loadFromData(bytes, bitmap ? "BMP" : nullptr))
    warn_(bitmap ? QStringLiteral("DIB build error!") : QStringLiteral("Error Loading Picture from stream"));
  return entry.image;
}

BackgroundPicture BackgroundPictures::Current(const QString& fixedBitmap, const QString& settingsBitmap,
                                              const QString& jpeg) {
  for (const QString& path : {fixedBitmap, settingsBitmap}) {
    QImage image = Load(path, true);
    if (!image.isNull()) return {std::move(image), false, path};
  }
  QImage image = Load(jpeg, false);
  if (!image.isNull()) return {std::move(image), true, jpeg};
  return {};
}

QImage ComposeBackground(const BackgroundPicture& picture, QSize size) {
  QImage out(size, QImage::Format_RGB32);
  QPainter painter(&out);
  if (picture.stretched) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture.image);
  } else {
    out.fill(kBitmapFill);
    painter.drawImage(QPoint(size.width() / 2 - picture.image.width() / 2, size.height() / 2 - picture.image.height() / 2),
                      picture.image);
  }
  return out;
}

MdiBackground::MdiBackground(QMdiArea& area)
    : QObject(&area), area_(area), pictures_([this](const QString& text) {
        // Told after the paint that found it, never from inside it.
        QTimer::singleShot(0, this, [text] { prompt::Message(text, prompt::kOk, QStringLiteral("warning")); });
      }) {
  area.viewport()->installEventFilter(this);
}

void MdiBackground::Refresh(bool force) {
  if (refreshing_) return;
  refreshing_ = true;
  BackgroundPicture now = pictures_.Current(DataFile("splash.bmp"), BackgroundPicturePath(), DataFile("BACKPIC.jpg"));
  const QSize size = area_.viewport()->size();
  const bool changed = force || size != composedSize_ || now.path != shown_.path ||
                       now.image.cacheKey() != shown_.image.cacheKey();
  if (changed) {
    shown_ = std::move(now);
    composedSize_ = size;
    area_.setBackground(shown_.image.isNull() || size.isEmpty() ? area_.palette().brush(QPalette::Dark)
                                                                 : QBrush(ComposeBackground(shown_, size)));
  }
  refreshing_ = false;
}

bool MdiBackground::eventFilter(QObject* watched, QEvent* event) {
  // The viewport still reports events while the area is being destroyed,
  // when the area is no longer a QMdiArea and must not be touched.
  if (qobject_cast<QMdiArea*>(&area_) == nullptr) return QObject::eventFilter(watched, event);
  if (watched == area_.viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Paint)) Refresh();
  return QObject::eventFilter(watched, event);
}

}  // namespace zv::chrome
