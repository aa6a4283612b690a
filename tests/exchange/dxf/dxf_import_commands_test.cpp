#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "exchange/dxf/dxf_import_commands.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/exchange/dxf/dxf_test_support.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;
using prompt::ScopedScriptedPrompts;
using prompt::ScriptedPrompts;

class DxfImportCommands : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    view_ = {points_, lines_, regions_};
    BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 1}}, LIN_INFO{});
  }
  int32_t Lines() const {
    int32_t live = 0, bound = 0;
    BasGetLineCount(lines_, &live, &bound);
    return live;
  }
  DxfTargets view_;
};

TEST_F(DxfImportCommands, ReadAskForAFileAndImportIt) {
  for (const auto command : {ReadDxfFileCommand, ReadLargeDxfFileCommand}) {
    ScopedScriptedPrompts script;
    script->AnswerFiles({QString::fromStdString(test::FixturePath("r2018_utf8.dxf"))});
    EXPECT_TRUE(command(view_));
    ASSERT_EQ(script->asked().size(), 1u);
    const ScriptedPrompts::Asked& asked = script->asked()[0];
    EXPECT_EQ(asked.kind, ScriptedPrompts::Kind::Files);
    EXPECT_EQ(asked.files.title, "读取DXF文件");
    EXPECT_EQ(asked.files.filter, "Data Files(*.dxf)|*.dxf|All Files(*.*)|*.*||");
    EXPECT_FALSE(asked.files.save);
    EXPECT_EQ(Lines(), 5);
  }
}

TEST_F(DxfImportCommands, CancelChangesNothingAndFailuresAreTold) {
  {
    ScopedScriptedPrompts script;
    EXPECT_FALSE(ReadDxfFileCommand(view_));
    EXPECT_TRUE(script->Messages().empty());
  }
  ScopedScriptedPrompts script;
  script->AnswerFiles({"/nonexistent/plan.dxf"});
  EXPECT_FALSE(ReadLargeDxfFileCommand(view_));
  ASSERT_EQ(script->Messages().size(), 1u);
  EXPECT_EQ(script->Messages()[0], "/nonexistent/plan.dxf\n\nZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.");
  EXPECT_EQ(Lines(), 1);
}

TEST_F(DxfImportCommands, ConvertAFolderLeavesTheViewAlone) {
  const fs::path root = fs::path(zv::test::TempRoot()) / "tree";
  fs::create_directories(root);
  fs::copy_file(test::FixturePath("r2000_gbk.dxf"), root / "plan.dxf");
  {
    ScopedScriptedPrompts script;
    EXPECT_EQ(ConvertDxfFolderCommand(), 0);  // cancelled
    EXPECT_EQ(script->asked().at(0).text, "请选择路径");
  }
  ScopedScriptedPrompts script;
  script->AnswerFolder(QString::fromStdString(root.string()));
  EXPECT_EQ(ConvertDxfFolderCommand(), 1);
  EXPECT_TRUE(script->Messages().empty());
  EXPECT_TRUE(fs::exists(root / "PLAN" / "PLAN.mpj"));
  EXPECT_TRUE(fs::exists(root / "PLAN" / "地层界线.wl"));
  EXPECT_EQ(Lines(), 1);
}

}  // namespace
}  // namespace zv::dxf
