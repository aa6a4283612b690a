#include "views/tool_core/structure_copy.h"

#include <algorithm>
#include <string_view>

#include "platform/data/scratch_set.h"
#include "platform/files/work_area_file.h"

namespace zv::toolview {
namespace {

constexpr std::string_view kLibraryFields[] = {kIdFieldName, kLengthFieldName, kAreaFieldName, kPerimeterFieldName};

// A file in a work area of a set of its own, released with the set.
class LoadedFile {
 public:
  explicit LoadedFile(const std::string& path) : area_(BasLoadWorkArea(set_.handle(), path, &report_)) {}

  WorkAreaHandle area() const { return area_; }
  // Work-area types and the entity types of their structures share numbers.
  int entityType() const { return BasGetWorkAreaType(area_); }
  std::string Problem(const std::string& path) const {
    return path + "：" + (report_.error.empty() ? std::string("不能读出文件。") : report_.error);
  }

 private:
  ScratchSet set_;
  files::FileReport report_;
  WorkAreaHandle area_ = 0;
};

}  // namespace

std::vector<CFIELD_HEAD> CopiedFields(const CATT_STRU& source) {
  std::vector<CFIELD_HEAD> copied;
  for (const CFIELD_HEAD& field : source.fields)
    if (std::find(std::begin(kLibraryFields), std::end(kLibraryFields), field.name) == std::end(kLibraryFields))
      copied.push_back(field);
  return copied;
}

CATT_STRU PastedStructure(const std::vector<CFIELD_HEAD>& copied, int entityType) {
  CATT_STRU structure = CustomaryStructure(entityType);
  structure.fields.insert(structure.fields.end(), copied.begin(), copied.end());
  for (CFIELD_HEAD& field : structure.fields) field.position = -1;
  LayOutStructure(structure);
  return structure;
}

std::optional<std::vector<CFIELD_HEAD>> ReadCopiedFields(const std::string& path, std::string* error) {
  const LoadedFile file(path);
  CATT_STRU structure;
  if (file.area() == 0 || BasReadAttributeStructure(file.area(), file.entityType(), &structure) != 1) {
    if (error) *error = file.Problem(path);
    return std::nullopt;
  }
  return CopiedFields(structure);
}

std::string PasteStructureIntoFile(const std::string& path, const std::vector<CFIELD_HEAD>& copied) {
  const LoadedFile file(path);
  if (file.area() == 0) return file.Problem(path);
  if (BasSetAttributeStructure(file.area(), file.entityType(), PastedStructure(copied, file.entityType())) != 1)
    return path + "：" + BasLastRefusal();
  if (BasSaveWorkArea(file.area(), path, kSavePathComplete) != 1) return path + "：" + BasLastSaveError();
  return {};
}

}  // namespace zv::toolview
