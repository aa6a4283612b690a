#pragma once
// An ordered list of point records (section points along the section line,
// crossings, picked points, labelled values). Positions are 1-based. The
// records lie in one array: reading by position and appending at the end
// (InsertAt(count + 1, …)) take constant time, so callers may walk long lists
// by position; inserting elsewhere moves the records behind.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CPointRecList {
 public:
  CPointRecList() = default;
  CPointRecList(const CPointRecList&) = delete;
  CPointRecList& operator=(const CPointRecList&) = delete;

  bool IsEmpty() const { return records_.empty(); }
  int32_t GetCount() const { return static_cast<int32_t>(records_.size()); }
  bool RemoveAll();

  // Reads record `position`; false (outputs untouched) past the end.
  bool GetAt(int32_t position, int32_t& id, double& x, double& y) const;
  bool GetAtWithName(int32_t position, int32_t& id, double& x, double& y, std::string& name) const;
  bool GetAtFull(int32_t position, int32_t& id, double& x, double& y, std::string& name, double& value) const;
  bool GetAtStrings(int32_t position, int32_t& id, std::string& name, std::string& text, int32_t& a, int32_t& b) const;

  // Replaces id, name, text, a and b; x, y and value stay.
  bool SetAt(int32_t position, int32_t id, const std::string& name, const std::string& text, int32_t a, int32_t b);

  // The new record becomes record `position` (1 .. count + 1); refuses any
  // other position and then changes nothing.
  bool InsertAt(int32_t position, int32_t id, double x, double y, const std::string& name, double value);

  // Removes every record whose name the predicate accepts, keeping the
  // order of the others; the number removed.
  int32_t RemoveNamed(const std::function<bool(const std::string& name)>& matches);

  // Keeps x ascending; points whose x differ by less than 0.0001 form one
  // column ordered by y ascending; equal points go after the existing ones.
  int AddSorted(int32_t id, double x, double y, const std::string& name);

  // Keeps value ascending; equal values keep insertion order.
  int AddSortedEx(int32_t id, double x, double y, const std::string& name, double value);

 private:
  struct PointRec {
    int32_t id = 0;
    double value = 0.0;
    double x = 0.0;
    double y = 0.0;
    std::string name;
    std::string text;
    int32_t a = 0;
    int32_t b = 0;
  };

  // The record at 1-based `position`, or null outside 1 .. count.
  const PointRec* RecordAt(int32_t position) const;
  PointRec* RecordAt(int32_t position);

  std::vector<PointRec> records_;
};
