#pragma once
// CStaticLink: a text that opens its target when clicked, drawn underlined
// in blue (0, 0, 255), purple (128, 0, 128) once a click has opened it; a
// target that cannot be opened beeps and keeps the colour. An empty target
// opens the label's own text. The hand cursor shows over it.
#include <QLabel>
#include <functional>

namespace zv {

class CStaticLink : public QLabel {
  Q_OBJECT
 public:
  // Opens a target (a web address or a file path); true when it opened.
  using Opener = std::function<bool(const QString& target)>;

  static constexpr QRgb kUnvisited = qRgb(0, 0, 255);
  static constexpr QRgb kVisited = qRgb(128, 0, 128);

  explicit CStaticLink(const QString& text, const QString& target = QString(), QWidget* parent = nullptr);

  void SetTarget(const QString& target) { target_ = target; }
  const QString& target() const { return target_; }
  QRgb colour() const { return colour_; }
  // The desktop's opener unless a test sets another.
  void SetOpener(Opener opener) { opener_ = std::move(opener); }

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void SetColour(QRgb colour);

  QString target_;
  QRgb colour_ = kUnvisited;
  Opener opener_;
};

}  // namespace zv
