#pragma once
// The three attribute pages of the side bar: lines (CDlgLine), regions
// (CDlgReg) and sub-graphs (CDlgSub), each over its kind of sample and its
// default record (panels/attribute_page.h).

#include "panels/attribute_page.h"
#include "panels/core/page_settings.h"
#include "panels/core/sample_build.h"

namespace zv::panels {

class CDlgLine : public AttributePage {
 public:
  explicit CDlgLine(QWidget* parent = nullptr);
  const LineValues& Values() const { return values_; }
  // The pick of a sample line style, "type-sub-style".
  void SetLineStyleNo(const std::string& text) { PickSample({0, text}); }

 protected:
  int SampleCount() const override { return static_cast<int>(styles_.size()); }
  int BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) override;
  void StoreStyle(const SampleValue& value) override { values_.styleNo = value.text; }
  void FillDefault() override;
  int16_t OpType() const override { return values_.opType; }
  void SetOpType(int16_t type) override { values_.opType = type; }

 private:
  LineValues values_;
  std::vector<LineStyleNo> styles_;
};

class CDlgReg : public AttributePage {
 public:
  explicit CDlgReg(QWidget* parent = nullptr);
  const RegionValues& Values() const { return values_; }
  void SetPatternNo(long number) { PickSample({static_cast<int32_t>(number), {}}); }

 protected:
  int SampleCount() const override { return static_cast<int>(patterns_.size()); }
  int BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) override;
  void StoreStyle(const SampleValue& value) override { values_.pattern = value.number; }
  void FillDefault() override;
  int16_t OpType() const override { return values_.opType; }
  void SetOpType(int16_t type) override { values_.opType = type; }

 private:
  RegionValues values_;
  std::vector<int32_t> patterns_;
};

class CDlgSub : public AttributePage {
 public:
  explicit CDlgSub(QWidget* parent = nullptr);
  const SubgraphValues& Values() const { return values_; }
  void SetSubgraphNo(long number) { PickSample({static_cast<int32_t>(number), {}}); }

 protected:
  int SampleCount() const override { return static_cast<int>(numbers_.size()); }
  int BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) override;
  void StoreStyle(const SampleValue& value) override { values_.number = value.number; }
  void FillDefault() override;
  int16_t OpType() const override { return values_.opType; }
  void SetOpType(int16_t type) override { values_.opType = type; }

 private:
  SubgraphValues values_;
  std::vector<int32_t> numbers_;
};

}  // namespace zv::panels
