#pragma once
// The export's template drawing (data/zavediz/dxf2004.dxf, written by
// make_dxf_template.py), built into the program so the export works even
// when the data folder lost its copy.

#include <string_view>

namespace zv::dxf {

std::string_view DxfTemplateResource();

}  // namespace zv::dxf
