#include <gtest/gtest.h>

#include <filesystem>

#include "exchange/dxf/dxf_export_command.h"
#include "exchange/dxf/dxf_template_resource.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/exchange/dxf/dxf_export_support.h"
#include "tests/support/test_env.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

TEST(DxfExportCommand, WritesTheTemplateAndTheDrawingAndSaysWhere) {
  test::TestProject project((fs::path(zv::test::TempRoot()) / "export command").string());
  LIN_INFO line;
  line.setStyle(1);
  BasAppendLine(project.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, line);
  const std::string templatePath = paths::GetDataFolder() + "dxf2004.dxf";
  ASSERT_TRUE(fileio::WriteFileAtomically(templatePath, "a damaged template"));

  prompt::ScopedScriptedPrompts script;
  EXPECT_TRUE(MapGisToDxfCommand(project.project()));
  std::string written;
  ASSERT_TRUE(fileio::ReadWholeFile(templatePath, written));
  EXPECT_EQ(written, DxfTemplateResource());
  ASSERT_EQ(script->asked().size(), 1u);
  EXPECT_EQ(script->asked()[0].text.toStdString(), "已写出DXF文件：" + project.Target());
  EXPECT_TRUE(fs::exists(project.Target()));

  test::TestProject empty((fs::path(zv::test::TempRoot()) / "empty").string());
  EXPECT_FALSE(MapGisToDxfCommand(empty.project()));
  EXPECT_EQ(script->asked().back().text.toStdString(), "没有找到可编辑的文件！");
}

}  // namespace
}  // namespace zv::dxf
