#pragma once
// Moving the mouse cursor, for the snapping of the tool views: by default
// QCursor::setPos; tests install a recorder so that nothing moves the real
// pointer. A platform that refuses to move the pointer changes nothing
// else: the view still replaces the press point with the snapped one.

#include <QPoint>
#include <functional>

namespace zv {

using CursorMover = std::function<void(const QPoint& global)>;

// Moves the cursor to a screen point through the installed mover.
void MoveCursorTo(const QPoint& global);

// Installs a mover for as long as the object lives (tests).
class ScopedCursorMover {
 public:
  explicit ScopedCursorMover(CursorMover mover);
  ~ScopedCursorMover();
  ScopedCursorMover(const ScopedCursorMover&) = delete;
  ScopedCursorMover& operator=(const ScopedCursorMover&) = delete;

 private:
  CursorMover previous_;
};

}  // namespace zv
