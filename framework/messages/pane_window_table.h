#pragma once
// The windows that receive private messages. Each receiver records itself when
// it is initialised; a newer receiver of the same kind replaces the older one,
// and entries are never cleared by hand. Entries are guarded: once a recorded
// window is destroyed its entry reads as empty, so a post to it fails just like
// a post to a kind that never recorded itself.

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>

namespace zv::msg {

// One entry per receiving window. The application is no entry: it is reached
// by a thread message.
enum class PaneEntry : std::size_t {
  kAttributeQueryPage,        // 0x46D
  kLegendLibrary,             // 0x472
  kProjectPage,               // 0x465
  kTabStrip,                  // 0x466
  kWorkspaceFileList,         // 0x467
  kSectionEditView,           // 0x469
  kProjectEditView,           // 0x46C, 0x46E
  kStrataList,                // 0x46D
  kStrataPanelCommandTarget,  // command 4096 from the project editing view
  kProjectList,               // 0x46F
  kSectionToolView,           // 0x470
  kProjectToolView,           // 0x471
  kCount
};

class PaneWindowTable {
 public:
  void Record(PaneEntry entry, QObject* receiver);
  // The recorded receiver, or null when none was recorded or it is gone.
  QObject* Receiver(PaneEntry entry) const;
  // Queues the message for the entry's receiver; false, and nothing queued,
  // when the entry is empty.
  bool Post(PaneEntry entry, unsigned message, std::intptr_t wParam, std::intptr_t lParam) const;
  // The same; a failed post shows `failureText` in a message box (the
  // senders that report failures name their own text).
  bool PostOrShow(PaneEntry entry, unsigned message, std::intptr_t wParam, std::intptr_t lParam,
                  const QString& failureText) const;

 private:
  std::array<QPointer<QObject>, static_cast<std::size_t>(PaneEntry::kCount)> entries_;
};

// The program's one table.
PaneWindowTable& PaneWindows();

// Posts to one receiver; a failed post (no receiver) shows `failureText`.
bool PostOrShow(QObject* receiver, unsigned message, std::intptr_t wParam, std::intptr_t lParam,
                const QString& failureText);

}  // namespace zv::msg
