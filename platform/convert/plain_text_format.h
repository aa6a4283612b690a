#pragma once
// What the reader and the writer of the plain-text exchange files share
// (layout in docs/platform-files.md): the version headers of each kind, the
// parameter fields each record lists in order, and the kind a file's name
// gives. No Qt.

#include <span>
#include <string_view>

#include "platform/data/param_records.h"
#include "platform/data/work_area.h"

namespace zv::convert {

// One listed parameter: where it sits in its record and how wide it is.
struct ListedField {
  uint16_t offset;
  ParamValueType type;
};

// The headers a kind reads (oldest first); the last is the one written.
std::span<const std::string_view> HeadersOf(int areaType);
// The kind (work-area type) of a header, −1 for none.
int KindOfHeader(std::string_view header);

// The fields of a point record of a kind (0..5) after its text, if it has
// one; empty for another kind.
std::span<const ListedField> PointFields(int pointKind);
bool PointKindHasText(int pointKind);
std::span<const ListedField> LineFields();
std::span<const ListedField> RegionFields();

// The work-area type a file name's last letter gives (T/t points, L/l
// lines, P/p regions); −1 for any other last letter.
int PlainTextKindOfName(std::string_view path);

// The extension written for a work-area type (".wat", ".wal", ".wap").
const char* PlainTextExtension(int areaType);

inline constexpr std::string_view kAttributesKeyword = "ATTRIBUTES";

}  // namespace zv::convert
