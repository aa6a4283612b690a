#include "common/point_rec_list.h"

#include <cmath>

namespace {
constexpr double kColumnTolerance = 0.0001;
}

CPointRecList::CPointRecList() : head_(new PointRecNode) {}

CPointRecList::~CPointRecList() {
  RemoveAll();
  delete head_;
}

bool CPointRecList::IsEmpty() const { return head_->next == nullptr; }

bool CPointRecList::RemoveAll() {
  if (!head_) return false;
  PointRecNode* node = head_->next;
  while (node) {
    PointRecNode* next = node->next;
    delete node;
    node = next;
  }
  head_->next = nullptr;
  count_ = 0;
  return true;
}

CPointRecList::PointRecNode* CPointRecList::NodeAt(int32_t position) const {
  if (position < 0) return nullptr;
  PointRecNode* node = head_;
  for (int32_t i = 0; i < position && node; ++i) node = node->next;
  return node;
}

bool CPointRecList::GetAt(int32_t position, int32_t& id, double& x, double& y) const {
  std::string name;
  return GetAtWithName(position, id, x, y, name);
}

bool CPointRecList::GetAtWithName(int32_t position, int32_t& id, double& x, double& y, std::string& name) const {
  double value;
  return GetAtFull(position, id, x, y, name, value);
}

bool CPointRecList::GetAtFull(int32_t position, int32_t& id, double& x, double& y, std::string& name,
                              double& value) const {
  const PointRecNode* n = NodeAt(position);
  if (!n) return false;
  id = n->id;
  x = n->x;
  y = n->y;
  name = n->name;
  value = n->value;
  return true;
}

bool CPointRecList::GetAtStrings(int32_t position, int32_t& id, std::string& name, std::string& text, int32_t& a,
                                 int32_t& b) const {
  const PointRecNode* n = NodeAt(position);
  if (!n) return false;
  id = n->id;
  name = n->name;
  text = n->text;
  a = n->a;
  b = n->b;
  return true;
}

bool CPointRecList::SetAt(int32_t position, int32_t id, const std::string& name, const std::string& text, int32_t a,
                          int32_t b) {
  PointRecNode* n = NodeAt(position);
  if (!n) return false;
  n->id = id;
  n->name = name;
  n->text = text;
  n->a = a;
  n->b = b;
  return true;
}

bool CPointRecList::InsertAt(int32_t position, int32_t id, double x, double y, const std::string& name, double value) {
  if (position < 1 || position > count_ + 1) return false;
  PointRecNode* before = NodeAt(position - 1);
  auto* node = new PointRecNode;
  node->id = id;
  node->x = x;
  node->y = y;
  node->name = name;
  node->value = value;
  node->next = before->next;
  before->next = node;
  ++count_;
  return true;
}

int CPointRecList::AddSorted(int32_t id, double x, double y, const std::string& name) {
  int32_t position = 1;
  for (const PointRecNode* n = head_->next; n; n = n->next, ++position) {
    const bool sameColumn = std::fabs(n->x - x) < kColumnTolerance;
    if ((!sameColumn && n->x > x) || (sameColumn && y < n->y)) break;
  }
  InsertAt(position, id, x, y, name, 0.0);
  return 1;
}

int CPointRecList::AddSortedEx(int32_t id, double x, double y, const std::string& name, double value) {
  int32_t position = 1;
  for (const PointRecNode* n = head_->next; n && !(n->value > value); n = n->next) ++position;
  InsertAt(position, id, x, y, name, value);
  return 1;
}
