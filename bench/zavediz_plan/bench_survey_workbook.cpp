// 读取测量数据 from a survey workbook of 2,000 sections × 100 points
// (200,000 rows on sheet 3), offscreen, with the pick and the title block
// answered by script, beside in the same run:
//  - one plain read of the same file (what opening it costs);
//  - the three walks alone (list, header row, points) on the open workbook.
// The command attaches three times; an unchanged file is not read again, so
// it should cost about the walks plus its two dialogs, well under the read.
//
// Usage: bench_survey_workbook [benchmark flags]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <filesystem>
#include <memory>
#include <string>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/session.h"
#include "framework/workbook/workbook_file.h"
#include "platform/view/prj_edit_view.h"
#include "zavediz/data/survey_workbook.h"
#include "zavediz/plan/plan_section_controller.h"

namespace {

using namespace zv;

constexpr int kSections = 2000;
constexpr int kPoints = 100;
constexpr int kPickedRow = kSections + 1;  // the last section: the longest list and walk

const std::string& SurveyFile() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "bench_survey.xlsx").string();
    auto session = std::make_shared<workbook::Session>();
    const workbook::Application app(session, workbook::Flavour::kExcel);
    const workbook::Workbook book = app.Workbooks().Add();
    book.Sheets().Add(2);
    const workbook::Range sections = book.Sheets().Item(2).Cells();
    const workbook::Range points = book.Sheets().Item(3).Cells();
    sections.SetItem(1, 1, workbook::CellValue::Text("剖面"));
    points.SetItem(1, 1, workbook::CellValue::Text("剖面"));
    for (int s = 0; s < kSections; ++s) {
      const std::string key = std::to_string(s + 1) + "线";
      const int row = s + 2;
      sections.SetItem(row, 1, workbook::CellValue::Text(key));
      sections.SetItem(row, 2, workbook::CellValue::Number(1000.0 * s));
      sections.SetItem(row, 3, workbook::CellValue::Number(2000));
      sections.SetItem(row, 5, workbook::CellValue::Number(2600));
      sections.SetItem(row, 6, workbook::CellValue::Number(1000.0 * s + 800));
      for (int c = 8; c <= 20; ++c) sections.SetItem(row, c, workbook::CellValue::Text("文字" + std::to_string(c)));
      sections.SetItem(row, 17, workbook::CellValue::Number(2000));
      for (int p = 0; p < kPoints; ++p) {
        const int r = s * kPoints + p + 2;
        points.SetItem(r, 1, workbook::CellValue::Text(key));
        points.SetItem(r, 2, workbook::CellValue::Text("P" + std::to_string(p)));
        points.SetItem(r, 3, workbook::CellValue::Number(300.0 + p));
        points.SetItem(r, 4, workbook::CellValue::Number(10.0 * p));
      }
    }
    book.SaveAs(file);
    return file;
  }();
  return path;
}

void PlainRead(benchmark::State& state) {
  const std::string& file = SurveyFile();
  for (auto _ : state) benchmark::DoNotOptimize(workbook::LoadWorkbookFile(file));
}

void Walks(benchmark::State& state) {
  auto session = std::make_shared<workbook::Session>();
  const workbook::Workbook book(session, session->Open(SurveyFile()));
  for (auto _ : state) {
    benchmark::DoNotOptimize(zavediz::ReadSurveyWorkbookList(book));
    benchmark::DoNotOptimize(zavediz::ReadSurveyWorkbookHeader(book, kPickedRow));
    benchmark::DoNotOptimize(zavediz::ReadSurveyWorkbookPoints(book, kPickedRow));
  }
}

void ReadSurveyFromWorkbook(benchmark::State& state) {
  workbook::RunningProgram()->Open(SurveyFile());
  CPrjEditView view;
  zavediz::SectionData data;
  zavediz::PlanSectionController controller(view, data);
  for (auto _ : state) {
    prompt::ScopedScriptedPrompts script;
    script->AnswerDialog([](QDialog& d) {
      d.findChild<grid::CGridListCtrl*>("control1007")->SelectRow(kPickedRow - 2);
      d.accept();
      return -1;
    });
    script->AnswerDialog([](QDialog& d) {
      d.accept();
      return -1;
    });
    controller.OnReadSurveyFromWorkbook();
    if (data.terrain.GetCount() != kPoints || !script->Messages().empty()) state.SkipWithError("the read failed");
  }
  workbook::RunningProgram()->CloseAll();
}

BENCHMARK(PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Walks)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadSurveyFromWorkbook)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The title-block dialog reads (and may save) its file in the program
  // folder: keep the user's out of it.
  const std::filesystem::path home = std::filesystem::temp_directory_path() / "bench_survey_home";
  std::filesystem::create_directories(home);
  qputenv("ZAVEDIZ_HOME", home.string().c_str());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(SurveyFile());
  std::filesystem::remove_all(home);
  return 0;
}
