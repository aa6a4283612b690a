#include "common/point_rec_list.h"

#include <cmath>

namespace {
constexpr double kColumnTolerance = 0.0001;
}

bool CPointRecList::RemoveAll() {
  records_.clear();
  return true;
}

const CPointRecList::PointRec* CPointRecList::RecordAt(int32_t position) const {
  if (position < 1 || position > GetCount()) return nullptr;
  return &records_[static_cast<size_t>(position - 1)];
}

CPointRecList::PointRec* CPointRecList::RecordAt(int32_t position) {
  return const_cast<PointRec*>(static_cast<const CPointRecList*>(this)->RecordAt(position));
}

bool CPointRecList::GetAt(int32_t position, int32_t& id, double& x, double& y) const {
  std::string name;
  double value;
  return GetAtFull(position, id, x, y, name, value);
}

bool CPointRecList::GetAtWithName(int32_t position, int32_t& id, double& x, double& y, std::string& name) const {
  double value;
  return GetAtFull(position, id, x, y, name, value);
}

bool CPointRecList::GetAtFull(int32_t position, int32_t& id, double& x, double& y, std::string& name,
                              double& value) const {
  const PointRec* r = RecordAt(position);
  if (!r) return false;
  id = r->id;
  x = r->x;
  y = r->y;
  name = r->name;
  value = r->value;
  return true;
}

bool CPointRecList::GetAtStrings(int32_t position, int32_t& id, std::string& name, std::string& text, int32_t& a,
                                 int32_t& b) const {
  const PointRec* r = RecordAt(position);
  if (!r) return false;
  id = r->id;
  name = r->name;
  text = r->text;
  a = r->a;
  b = r->b;
  return true;
}

bool CPointRecList::SetAt(int32_t position, int32_t id, const std::string& name, const std::string& text, int32_t a,
                          int32_t b) {
  PointRec* r = RecordAt(position);
  if (!r) return false;
  r->id = id;
  r->name = name;
  r->text = text;
  r->a = a;
  r->b = b;
  return true;
}

int32_t CPointRecList::RemoveNamed(const std::function<bool(const std::string& name)>& matches) {
  const auto removed = std::erase_if(records_, [&](const PointRec& r) { return matches(r.name); });
  return static_cast<int32_t>(removed);
}

bool CPointRecList::InsertAt(int32_t position, int32_t id, double x, double y, const std::string& name, double value) {
  if (position < 1 || position > GetCount() + 1) return false;
  PointRec record;
  record.id = id;
  record.x = x;
  record.y = y;
  record.name = name;
  record.value = value;
  records_.insert(records_.begin() + (position - 1), std::move(record));
  return true;
}

int CPointRecList::AddSorted(int32_t id, double x, double y, const std::string& name) {
  int32_t position = 1;
  for (const PointRec& r : records_) {
    const bool sameColumn = std::fabs(r.x - x) < kColumnTolerance;
    if ((!sameColumn && r.x > x) || (sameColumn && y < r.y)) break;
    ++position;
  }
  InsertAt(position, id, x, y, name, 0.0);
  return 1;
}

int CPointRecList::AddSortedEx(int32_t id, double x, double y, const std::string& name, double value) {
  int32_t position = 1;
  for (const PointRec& r : records_) {
    if (r.value > value) break;
    ++position;
  }
  InsertAt(position, id, x, y, name, value);
  return 1;
}
