// The six fit parameters of the parameter dialog and the checks its OK
// button applies to the texts typed in, kept apart from the widgets.
#ifndef ZEMBROL_BSPLINE_PARA_VALUES_H
#define ZEMBROL_BSPLINE_PARA_VALUES_H

#include <stdint.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "mba/zembrol_api.h"

namespace zembrol {

// The values every showing of the dialog starts from.
struct BSplineParameters {
  int levels = 4;
  int32_t m = 8;
  int32_t n = 8;
  bool calcInvalid = false;
  int32_t initM = 0;
  int32_t initN = 0;
};

inline constexpr int kMinLevels = 1;
inline constexpr int kMaxLevels = 100;

// The dialog's number fields, in the order OK checks them.
enum class ParaField { Levels, M, N, InitM, InitN };

struct ParaTexts {
  std::string levels;
  std::string m;
  std::string n;
  bool calcInvalid = false;
  std::string initM;
  std::string initN;
};

// The first field that fails its check and the message for the user.
struct ParaError {
  ParaField field;
  std::string message;
};

// A 32-bit integer typed into a field: optional blanks around an optional
// sign and decimal digits; nothing for other text or a value out of range.
ZEMBROL_API std::optional<int32_t> ParseFieldInteger(std::string_view text);

// The parameters the texts give, or the first field in error: a level count
// outside 1 to 100 or any text that is not an integer.
ZEMBROL_API std::variant<BSplineParameters, ParaError> CheckParameterTexts(const ParaTexts& texts);

}  // namespace zembrol

#endif  // ZEMBROL_BSPLINE_PARA_VALUES_H
