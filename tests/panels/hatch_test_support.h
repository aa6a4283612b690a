#pragma once
// Small library files and text files built in code for the hatch tests.

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "panels/core/hatch_engine.h"

namespace zv::panels::test {

struct TestElement {
  int16_t kind = 0, colourA = 0, colourB = 0, width = 0;
  std::vector<std::vector<std::pair<float, float>>> parts;
};

template <class T>
void Put(std::string& out, T value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  out.append(raw, sizeof(T));
}

inline std::string EntryBytes(const std::vector<TestElement>& elements) {
  std::string out;
  int16_t floats = 0;
  for (const auto& e : elements)
    for (const auto& p : e.parts) floats = static_cast<int16_t>(floats + 2 * p.size());
  Put<int16_t>(out, static_cast<int16_t>(elements.size()));
  Put<int16_t>(out, floats);
  for (const auto& e : elements) {
    for (int16_t v : {e.kind, e.colourA, e.colourB, e.width, static_cast<int16_t>(e.parts.size())}) Put(out, v);
  }
  for (const auto& e : elements)
    for (const auto& p : e.parts) Put<int16_t>(out, static_cast<int16_t>(p.size()));
  for (const auto& e : elements)
    for (const auto& p : e.parts)
      for (auto [x, y] : p) {
        Put(out, x);
        Put(out, y);
      }
  return out;
}

// A single-level library: slot 0 the count, slot n the offset of entry n
// (an empty entry list leaves the slot 0).
inline std::string LibraryBytes(int recordSize, const std::vector<std::vector<TestElement>>& entries) {
  const int count = static_cast<int>(entries.size()) + 1;
  std::string out(static_cast<std::size_t>(count * recordSize), '\0');
  std::memcpy(out.data(), &count, 4);
  for (std::size_t n = 0; n < entries.size(); ++n) {
    if (entries[n].empty()) continue;
    const int32_t offset = static_cast<int32_t>(out.size());
    std::memcpy(out.data() + (n + 1) * recordSize, &offset, 4);
    out += EntryBytes(entries[n]);
  }
  return out;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Keeps what the engine makes.
struct RecordingSink : HatchSink {
  struct RegionMade {
    std::vector<D_DOT> arc;
    REG_INFO info;
  };
  struct PointMade {
    D_DOT at;
    PNT_INFO info;
  };
  std::vector<std::vector<D_DOT>> lines;
  std::vector<LIN_INFO> lineInfos;
  std::vector<RegionMade> regions;
  std::vector<PointMade> points;
  void Line(const std::vector<D_DOT>& v, const LIN_INFO& info) override {
    lines.push_back(v);
    lineInfos.push_back(info);
  }
  void Region(const std::vector<D_DOT>& arc, const LIN_INFO&, const REG_INFO& info) override {
    regions.push_back({arc, info});
  }
  void Point(const D_DOT& at, const PNT_INFO& info) override { points.push_back({at, info}); }
};

}  // namespace zv::panels::test
