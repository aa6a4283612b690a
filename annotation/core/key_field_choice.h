#pragma once
// What the key-field dialog decides, without its window: the field names a
// file offers and the names the chosen sheet columns come back under.

#include <string>
#include <vector>

#include "platform/data/work_area.h"

namespace zv::annot {

// The field names of the first entity (ids from 1) whose record reads back,
// in structure order; none for a 0 handle, an empty area or no readable
// record.
std::vector<std::string> FileFieldNames(WorkAreaHandle area);

// One chosen column: its name as handed back and its position in the list.
struct ChosenColumn {
  std::string name;
  int position = 0;
};

// The selected list entries in list order. A name equal to a field name of
// the file gets its list position appended ("%d"), once for each equal
// field name, so a sheet column never lands in a field the file already
// has: with 孔号, 深度, 备注 and a field 深度 the names are 孔号, 深度1, 备注.
std::vector<ChosenColumn> ChooseColumns(const std::vector<std::string>& list, const std::vector<bool>& selected,
                                        const std::vector<std::string>& fieldNames);

}  // namespace zv::annot
