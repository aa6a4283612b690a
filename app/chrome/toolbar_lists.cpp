#include "app/chrome/toolbar_lists.h"

#include <algorithm>
#include <array>

namespace zv::chrome {
namespace {

constexpr int S = kSeparator;

constexpr int kStandardIds[] = {
    33041, 33039, 33040, S, 412, 413, 414, 415, 422, 421, 429, S, 336, 33064, 346, 334, 333, 343, 342, 337, 347, 353,
    S, 33282, 33250, 33285, 33056, 33127, 33214, 33063, 33062, S, 377, 390, 383, 385, 382, 381, 379, 392, S, 33366,
    33365, 33428, 40046, 33472, 33480};

constexpr int kToolBoxEIds[] = {
    33025, 33026, 33027, 33028, 33029, 33042, 33225, 33226, 33151, 33251, 33039, 33040, 33041,
    33081, 33082, 32979, 32980, 32894, 33282, 33250, 33285, 33056, 33127, 33214, 33167, 33037,
    33170, 33169, 33030, 33148, 33070, 33044, 33098, 33161, 33150, 33035, 33051, 33036, 33111,
    33244, 33245, 33246, 33164, 33165, 33166, 32975, 32995, 33099, 32895, 33248, 33038};

constexpr int kWindowIds[] = {
    57600, 32808, 57601, S, 33157, 32857, 32858, 32859, S, 57337, 57338, 32771, 57339, 57342, 439, S, 33381, 57651,
    32914, 32803, 32804, 32891, 32798, 32964, S, 40040, 40041, 40042, S, 446, 3014, 33248, 32979, 32980, 32894, S,
    32975, 32995, 33038, 33031, 33297, S, 33382, 33245, 33251, 33151, 33403, 33538, 33427};

constexpr int kSideIds[] = {40039, 33360, 33363, 40037, 40036, 40038, 33361, 33100, 33531, S, 33610, 33104, 33106,
                            33105, 33108, 33109, 33110, S, 33068, 33432, 33430, 33431, 33433, 33434, 33435};

constexpr int kBottomIds[] = {33528, S, 33025, 33026, 33027, 33028, 33029, 33042, S, 33539, 33540, 33225, 33226, S,
                              33462, 33490, 33494, 33495, 33493, S, 33413, 33505, 33182, 33507, 33508, S, 33407,
                              33408, 33409, 33410, 33396, 33398, 33399, 33644, S, 33102, 33119, 33094, 33120, S,
                              33630, 33632, 33638, 33639, S, 33627, 33567, 33572};

const std::array<ToolbarSpec, 5> kToolbars = {{
    {ToolbarKind::kStandard, "standardToolBar", "标准工具条", "EditBar", kStandardIds},
    {ToolbarKind::kToolBoxE, "toolBoxE", "工具箱E", nullptr, kToolBoxEIds},
    {ToolbarKind::kWindow, "windowToolBar", "窗口工具条", nullptr, kWindowIds},
    {ToolbarKind::kSide, "sideToolBar", "附加工具条", "LeftBar", kSideIds},
    {ToolbarKind::kBottom, "bottomToolBar", "附加工具条1", "BottomBar", kBottomIds},
}};

constexpr int kDropDownIds[] = {412, 336, 33041, 33039, 33040};

}  // namespace

const ToolbarSpec& Toolbar(ToolbarKind kind) { return kToolbars[static_cast<std::size_t>(kind)]; }

bool HasDropDown(int id) { return std::ranges::find(kDropDownIds, id) != std::end(kDropDownIds); }

}  // namespace zv::chrome
