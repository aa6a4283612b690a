#pragma once
// A work-area set with one point, one line and one region area, freed after
// each test: the starting point of most tests of map data.

#include <gtest/gtest.h>

#include "platform/data/work_area.h"

namespace zv::test {

class WorkAreasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set_ = BasCreateWorkAreaSet(0);
    points_ = BasCreatePointWorkArea(set_);
    lines_ = BasCreateLineWorkArea(set_);
    regions_ = BasCreateRegionWorkArea(set_);
    ASSERT_NE(points_, 0);
    ASSERT_NE(lines_, 0);
    ASSERT_NE(regions_, 0);
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }

  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle points_ = 0, lines_ = 0, regions_ = 0;
};

}  // namespace zv::test
