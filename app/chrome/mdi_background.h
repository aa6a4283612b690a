#pragma once
// The picture behind the document windows, first found of: the fixed
// bitmap of the data folder ("splash.bmp"), the "BACKPIC" picture of the
// settings (a bitmap), "BACKPIC.jpg" of the data folder stretched over the
// area; else the area's own background. A bitmap is centred on an
// RGB(100, 100, 255) fill.
//
// Decoded pictures are kept by path and modification time, so a repaint
// decodes nothing; a file that cannot be used is told once for that path
// and time (caption "warning") and then passed over silently.

#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QMdiArea;

namespace zv::chrome {

// What the background shows, and how.
struct BackgroundPicture {
  QImage image;          // null: the area's own background
  bool stretched = false;  // false: centred on the fill
  QString path;
};

class BackgroundPictures {
 public:
  // `warn` tells the user about a file once.
  explicit BackgroundPictures(std::function<void(const QString&)> warn) : warn_(std::move(warn)) {}

  // The picture to show now, from the candidates' current files.
  BackgroundPicture Current(const QString& fixedBitmap, const QString& settingsBitmap, const QString& jpeg);
  // The decoded image of a file (cached), or null with the file's failure
  // told once.
  QImage Load(const QString& path, bool bitmap);

 private:
  struct Entry {
    QDateTime modified;
    QImage image;
  };
  std::function<void(const QString&)> warn_;
  std::map<QString, Entry> cache_;
};

// The background of `size` for a picture.
QImage ComposeBackground(const BackgroundPicture& picture, QSize size);

// Keeps an MDI area's background to the current picture: on every resize,
// and on a repaint after a candidate file changed.
class MdiBackground : public QObject {
 public:
  explicit MdiBackground(QMdiArea& area);

  const BackgroundPicture& shown() const { return shown_; }
  // Looks at the candidates again and recomposes when anything changed.
  void Refresh(bool force = false);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMdiArea& area_;
  BackgroundPictures pictures_;
  BackgroundPicture shown_;
  QSize composedSize_;
  bool refreshing_ = false;
};

}  // namespace zv::chrome
