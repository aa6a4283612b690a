#pragma once
// The DXF reader's progress reports, shown in the platform's progress window.

#include "exchange/dxf/dxf_progress.h"

namespace zv::dxf {

class DxfPlatformProgress : public DxfProgress {
 public:
  void StartProgress() override;
  void SetMainProgressName(const std::string& name) override;
  void SetSubProgressName(const std::string& name) override;
  void SetRange(int minimum, int maximum) override;
  void SetPos(int position) override;
  void EndProgress() override;
};

}  // namespace zv::dxf
