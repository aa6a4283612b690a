#include "panels/panel_pages.h"

#include "panels/attribute_pages.h"
#include "panels/colour_page.h"

namespace zv::panels {
namespace {

template <class Page>
QWidget* Make(QWidget* parent) {
  return new Page(parent);
}

constexpr PanelPage kPages[] = {
    {"CDlgClr", &Make<CDlgClr>},
    {"CDlgSub", &Make<CDlgSub>},
    {"CDlgLine", &Make<CDlgLine>},
    {"CDlgReg", &Make<CDlgReg>},
};

}  // namespace

std::span<const PanelPage> PanelPages() { return kPages; }

}  // namespace zv::panels
