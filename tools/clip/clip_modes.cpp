// The modes of the clip tool, one row each, in the order of the plan menu.
// The clipping, breaking, dividing, splitting and block modes keep their
// rows without a routine until they are built.
#include <span>

#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {

using T = CSecClipTool;

std::span<const CSecClipTool::ModeRow> CSecClipTool::Modes() {
  static const ModeRow kModes[] = {
      {-1, 33038, "&1辅助工具/裁剪工具/选线裁剪", nullptr, false, nullptr},
      {-6, 33440, "&1辅助工具/裁剪工具/选区裁剪", nullptr, false, nullptr},
      {6, 33441, "&1辅助工具/裁剪工具/画线裁剪", nullptr, true, nullptr},
      {1, 33056, "&1辅助工具/断线功能/选线剪断相交线", nullptr, false, nullptr},
      {2, 33127, "&1辅助工具/断线功能/拉线剪断相交线", nullptr, true, nullptr},
      {3, 33282, "&1辅助工具/断线功能/自相交及节点断线", nullptr, true, nullptr},
      {-2, 33099, "&1辅助工具/断线功能/定距\\/定数等分线", nullptr, false, nullptr},
      {-3, 33248, "&T其它/整块删除", nullptr, false, nullptr},
      {-4, 33365, "&R区编辑/区编辑...&R/分割区/划线分割区", nullptr, true, nullptr},
      {4, 33366, "&R区编辑/区编辑...&R/分割区/选线分割区", nullptr, false, nullptr},
      {5, 33370, "&R区编辑/剪断自相交弧段", nullptr, true, nullptr},
      {502, 33638, "&1辅助工具/图框补充/标准矩形图框", "&1辅助工具/系列标准图框/图框补充/标准矩形图框", true, &T::DrawStandardFrame},
      {503, 33639, "&1辅助工具/图框补充/绘制经纬网图框", "&1辅助工具/系列标准图框/图框补充/绘制经纬网图框", true, &T::DrawGraticuleFrame},
      {-5, 0, nullptr, nullptr, false, nullptr},
  };
  return kModes;
}

const CSecClipTool::ModeRow* CSecClipTool::FindMode(int16_t mode) {
  for (const ModeRow& row : Modes())
    if (row.mode == mode) return &row;
  return nullptr;
}

bool CSecClipTool::IsBuilt(int16_t mode) {
  const ModeRow* row = FindMode(mode);
  return row && row->start;
}

CSecClipTool::CSecClipTool(CGisEditView* view, int16_t mode) : BaseGisTool(view, mode) {
  if (const ModeRow* row = FindMode(mode); row && row->start) (this->*row->start)();
}

CSecClipTool::~CSecClipTool() = default;

}  // namespace zv::tools
