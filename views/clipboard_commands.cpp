// Copy, cut and paste of picked entities, shared by both editing views.
// Cut and paste are one undo step each; paste puts the entities into the
// view's current point, line and region areas at the coordinates they had.
#include <vector>

#include "framework/prompts/prompts.h"
#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/entity_payload.h"
#include "views/tool_input/selection_keys.h"
#include "views/view_commands.h"

namespace zv {
namespace {

std::vector<ENTITY_MSG> PoolOf(const CGisEditView& view) { return {view.Pool(), view.Pool() + view.PoolCount()}; }

void Copy(cmd::CommandTarget& target) {
  if (CGisEditView* view = EditViewOf(target)) clipboard::CopyEntities(PoolOf(*view));
}

// Only what reached the clipboard is deleted: a pool of dead entries leaves
// the clipboard and the map as they were.
void Cut(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr || !clipboard::CopyEntities(PoolOf(*view))) return;
  view->RunCommand([view] { toolview::DeletePickedEntities(*view); });
  view->_UpdateWindow();
}

template <bool withAttributes>
void Paste(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  const std::vector<uint8_t> payload = clipboard::Entities();
  if (payload.empty()) return;
  std::string error;
  bool pasted = false;
  view->RunCommand([&] {
    std::vector<clipboard::PastedIds> ids;
    pasted = clipboard::PasteEntities(payload, view->GetCurrentPntArea(), view->GetCurrentLinArea(),
                                      view->GetCurrentRegArea(), withAttributes, ids, error);
    for (const clipboard::PastedIds& p : ids) view->GetUndo().PushList(p.area, p.entityType, p.ids, GisUndo::kAppended);
  });
  if (!pasted) {
    prompt::Message(QString::fromStdString(error), prompt::kOk | prompt::kIconWarning);
    return;
  }
  view->_UpdateWindow();
}

cmd::CommandUpdate WhilePicked(cmd::CommandTarget& target) {
  const CGisEditView* view = EditViewOf(target);
  return {view != nullptr && view->PoolCount() > 0, false, {}};
}

cmd::CommandUpdate WhileClipboardHolds(cmd::CommandTarget&) { return {clipboard::HasEntities(), false, {}}; }

}  // namespace

std::vector<cmd::CommandRow> ClipboardRows() {
  return {
      cmd::Handler(40041, Copy, "CopyToClipboard", WhilePicked),                       // &T其它/&拷贝
      cmd::Handler(40040, Cut, "CutToClipboard", WhilePicked),                         // &T其它/&剪切
      cmd::Handler(40042, Paste<false>, "PasteFromClipboard", WhileClipboardHolds),    // &粘贴
      cmd::Handler(33386, Paste<true>, "PasteWithAttributes", WhileClipboardHolds),    // 粘贴(带属性)
  };
}

}  // namespace zv
