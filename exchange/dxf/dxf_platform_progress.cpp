#include "exchange/dxf/dxf_platform_progress.h"

#include "platform/progress/progress.h"

namespace zv::dxf {

void DxfPlatformProgress::StartProgress() { zv::StartProgress(); }
void DxfPlatformProgress::SetMainProgressName(const std::string& name) { zv::SetMainProgressName(name); }
void DxfPlatformProgress::SetSubProgressName(const std::string& name) { zv::SetSubProgressName(name); }
void DxfPlatformProgress::SetRange(int minimum, int maximum) { zv::SetRange(minimum, maximum); }
void DxfPlatformProgress::SetPos(int position) { zv::SetPos(position); }
void DxfPlatformProgress::EndProgress() { zv::EndProgress(); }

}  // namespace zv::dxf
