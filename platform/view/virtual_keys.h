#pragma once
// Qt keys as the platform's virtual-key codes, which the tools' key slot
// receives (letters and digits are their upper-case character codes).

namespace zv {

// 0 for a key without a code.
unsigned VirtualKeyOf(int qtKey);

}  // namespace zv
