#include "views/cursor_seam.h"

#include <QCursor>

namespace zv {
namespace {

CursorMover& Mover() {
  static CursorMover mover = [](const QPoint& global) { QCursor::setPos(global); };
  return mover;
}

}  // namespace

void MoveCursorTo(const QPoint& global) { Mover()(global); }

ScopedCursorMover::ScopedCursorMover(CursorMover mover) : previous_(std::move(Mover())) { Mover() = std::move(mover); }

ScopedCursorMover::~ScopedCursorMover() { Mover() = std::move(previous_); }

}  // namespace zv
