#pragma once
// The progress window as the DXF reader reports to it; the import binds it
// to the platform's progress window, tests leave it silent.

#include <string>

namespace zv::dxf {

class DxfProgress {
 public:
  virtual ~DxfProgress() = default;
  virtual void StartProgress() {}
  virtual void SetMainProgressName(const std::string&) {}
  virtual void SetSubProgressName(const std::string&) {}
  virtual void SetRange(int, int) {}
  virtual void SetPos(int) {}
  virtual void EndProgress() {}
};

}  // namespace zv::dxf
