#pragma once
// Binds the system-library comparison into the section tool view: command
// 33564 "系统库转换" under its menu "&S系统库".

namespace zv::panels {

inline constexpr int kCommandCvtLib = 33564;  // 系统库转换

void RegisterCvtLibCommands();

}  // namespace zv::panels
