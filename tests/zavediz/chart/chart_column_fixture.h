#pragma once
// Draws one column drawer of the chart into fresh work areas, over the
// fixture database with every column on (full_layout.sql) and the test's own
// rows, and checks the entities it wrote as lines of the chart dump.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/framework/odbc/borehole_db_fixture.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"
#include "tests/zavediz/chart/chart_dump.h"
#include "zavediz/chart/chart_context.h"
#include "zavediz/chart/chart_settings.h"

namespace zv::test {

inline std::string FullLayoutSql() {
  std::ifstream in(DataPath("borehole/full_layout.sql"), std::ios::binary);
  std::stringstream sql;
  sql << in.rdbuf();
  return sql.str();
}

class ChartColumnTest : public WorkAreasTest {
 protected:
  static constexpr float kScale500 = 500 * 0.005f;

  chart::ChartAreas Areas() const { return {lines_, points_, regions_}; }

  // The layout and the hole's settings as the run reads them, after `sql`.
  void Load(const std::string& sql, const std::string& hole = "ZK01", float scaleFactor = kScale500) {
    RegisterFixtureDb(FullLayoutSql() + sql);
    hole_ = {"kof", scaleFactor, "1001", hole};
    state_ = {};
    chart::ReadMineChartSettings(state_, "kof", "1001");
    chart::LoadChartParameters(state_, "kof", scaleFactor, "1001", hole);
  }

  // Runs one drawer into emptied areas; returns the dump.
  std::string Run(void (*drawer)(chart::ChartContext&)) {
    BasClearWorkArea(points_);
    BasClearWorkArea(lines_);
    BasClearWorkArea(regions_);
    chart::ChartWriter writer(Areas());
    chart::ChartContext context{state_, writer, hole_};
    drawer(context);
    return DumpChart(Areas());
  }

  // Every expected entity is one whole line of the dump.
  static void ExpectEntities(const std::string& dump, const std::vector<std::string>& entities) {
    const std::string all = "\n" + dump;
    for (const std::string& entity : entities)
      EXPECT_NE(all.find("\n" + entity + "\n"), std::string::npos) << "missing: " << entity << "\nin:\n" << dump;
  }
  static void ExpectNone(const std::string& dump, const std::vector<std::string>& fragments) {
    for (const std::string& fragment : fragments)
      EXPECT_EQ(dump.find(fragment), std::string::npos) << "unexpected: " << fragment << "\nin:\n" << dump;
  }
  static std::size_t CountLines(const std::string& dump, const std::string& prefix) {
    std::size_t n = 0;
    std::istringstream in(dump);
    for (std::string line; std::getline(in, line);) n += line.starts_with(prefix);
    return n;
  }

  chart::ChartState state_;
  chart::HoleRef hole_;
};

// SQL adding a hole of `depth` metres to mine 1001.
inline std::string HoleSql(const std::string& hole, const std::string& depth) {
  return "INSERT INTO zkinfok (工程编号, 终孔深度, 分层数, 校正孔深, 矿区代码) VALUES ('" + hole + "', '" + depth +
         "', '0', '" + depth + "', '1001');";
}

// SQL setting mine 1001's chart width.
inline std::string ChartWidthSql(const std::string& width) {
  return "UPDATE minefile SET 图宽 = '" + width + "' WHERE 矿区代码 = '1001';";
}

}  // namespace zv::test
