#include "views/owner_draw_posts.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <set>
#include <tuple>

#include "framework/messages/private_message.h"

namespace zv {
namespace {

using Queue = std::set<std::tuple<msg::PaneEntry, std::intptr_t, std::intptr_t>>;

Queue& Queued() {
  static Queue queued;
  return queued;
}

}  // namespace

void PostRefills(msg::PaneEntry entry, std::initializer_list<RefillArguments> refills) {
  const bool wasEmpty = Queued().empty();
  for (const RefillArguments& r : refills) {
    const auto key = std::make_tuple(entry, r.first, r.second);
    if (Queued().count(key) != 0) continue;
    if (msg::PaneWindows().Post(entry, msg::kRefillList, r.first, r.second)) Queued().insert(key);
  }
  // Queued after the posts, so it runs once they have been delivered.
  if (wasEmpty && !Queued().empty() && QCoreApplication::instance() != nullptr)
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { Queued().clear(); }, Qt::QueuedConnection);
}

}  // namespace zv
