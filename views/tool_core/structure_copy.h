#pragma once
// Copying the attribute structure of one platform file onto others. The
// copy leaves out the fields the library keeps itself ("ID", "长度", "面积",
// "周长"); each target takes its own customary fields in front, then the
// copied ones. A target keeps the values of fields whose names stay, and is
// written back to its own path through a temporary file, so a failed save
// leaves it as it was.

#include <optional>
#include <string>
#include <vector>

#include "platform/data/attributes.h"

namespace zv::toolview {

// The source structure without the library's own fields.
std::vector<CFIELD_HEAD> CopiedFields(const CATT_STRU& source);

// What a target of the entity type (0 line, 1 point, 2 region) gets.
CATT_STRU PastedStructure(const std::vector<CFIELD_HEAD>& copied, int entityType);

// The copied fields of a ".wt", ".wl" or ".wp" file; none, with `error`
// naming the file, when it cannot be read.
std::optional<std::vector<CFIELD_HEAD>> ReadCopiedFields(const std::string& path, std::string* error);

// Gives the file the pasted structure and saves it to its path. Empty on
// success, else the reason, naming the file.
std::string PasteStructureIntoFile(const std::string& path, const std::vector<CFIELD_HEAD>& copied);

}  // namespace zv::toolview
