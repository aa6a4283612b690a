#pragma once
// A small ordered list of point records (section points along the section
// line, picked points, labelled values). Positions are 1-based; position 0 is
// the sentinel head. Every positional access walks from the head, so callers
// that visit all records by position do quadratic work; the lists are short.

#include <cstdint>
#include <string>

class CPointRecList {
 public:
  CPointRecList();
  ~CPointRecList();
  CPointRecList(const CPointRecList&) = delete;
  CPointRecList& operator=(const CPointRecList&) = delete;

  bool IsEmpty() const;
  int32_t GetCount() const { return count_; }
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

  // Keeps x ascending; points whose x differ by less than 0.0001 form one
  // column ordered by y ascending; equal points go after the existing ones.
  int AddSorted(int32_t id, double x, double y, const std::string& name);

  // Keeps value ascending; equal values keep insertion order.
  int AddSortedEx(int32_t id, double x, double y, const std::string& name, double value);

 private:
  struct PointRecNode {
    int32_t id = 0;
    double value = 0.0;
    double x = 0.0;
    double y = 0.0;
    std::string name;
    std::string text;
    int32_t a = 0;
    int32_t b = 0;
    int32_t reserved1 = 0;
    int32_t reserved2 = 0;
    PointRecNode* next = nullptr;
  };

  // The node at `position` (0 = sentinel), or null past the end.
  PointRecNode* NodeAt(int32_t position) const;

  PointRecNode* head_;
  int32_t count_ = 0;
};
