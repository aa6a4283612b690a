#include "exchange/dxf/dxf_template_resource.h"

// The file's bytes, included by the assembler.
asm(".section .rodata\n"
    ".balign 16\n"
    "zv_dxf_template_begin:\n"
    ".incbin \"" ZV_DXF_TEMPLATE_PATH "\"\n"
    "zv_dxf_template_end:\n"
    ".previous\n");

extern "C" const char zv_dxf_template_begin[];
extern "C" const char zv_dxf_template_end[];

namespace zv::dxf {

std::string_view DxfTemplateResource() {
  return {zv_dxf_template_begin, static_cast<std::size_t>(zv_dxf_template_end - zv_dxf_template_begin)};
}

}  // namespace zv::dxf
