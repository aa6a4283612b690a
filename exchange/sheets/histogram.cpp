#include "exchange/sheets/histogram.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/files/work_area_file.h"
#include "platform/progress/progress.h"
#include "platform/project/map_project.h"

namespace zv::sheets {
namespace {

constexpr float kTextSize = 2.5f;
constexpr float kAxisWidth = 0.2f;
constexpr float kThinWidth = 0.1f;
constexpr int kLabelEvery = 5;
constexpr const char* kExtensions[] = {".wt", ".wl", ".wp"};

class Pen {
 public:
  Pen(WorkAreaHandle points, WorkAreaHandle lines) : points_(points), lines_(lines) {
    PNT_INFO* text = BasGetDefaultPointParam(0);
    text->setKind(0);
    text->setCharHeight(kTextSize);
    text->setCharWidth(kTextSize);
  }
  void Width(float width) { BasGetDefaultLineParam()->setWidth(width); }
  void Line(std::vector<D_DOT> dots) { BasAppendLine(lines_, dots, *BasGetDefaultLineParam()); }
  void Text(double x, double y, const std::string& text) {
    BasAppendPoint(points_, D_DOT{x, y}, text, *BasGetDefaultPointParam(0));
  }

 private:
  WorkAreaHandle points_;
  WorkAreaHandle lines_;
};

}  // namespace

std::vector<HistogramClass> ReadHistogramClasses(const workbook::Worksheet& sheet, int firstRow, long rows, int column) {
  std::vector<HistogramClass> classes;
  const workbook::Range cells = sheet.Cells();
  StartProgress();
  SetMainProgressName("正在绘制直方图...");
  SetRange(0, rows);
  for (long i = 0; i < rows; ++i) {
    SetPos(i + 1);
    const int row = firstRow + static_cast<int>(i);
    classes.push_back({num::ParseDouble(cells.Item(row, column).Text()), num::ParseDouble(cells.Item(row, column + 1).Text()),
                       num::ParseLong(cells.Item(row, column + 2).Text())});
  }
  EndProgress();
  return classes;
}

int HistogramTickStep(long largest) { return largest <= 100 ? 20 : largest < 500 ? 50 : 100; }

std::string HistogramCaption(const std::string& title) {
  const std::string head = text::CutToGbkBytes(title, 2);
  return head + (head == "Au" ? "(×10#+-9#=)" : "(×10#+-6#=)");
}

void DrawHistogram(const std::vector<HistogramClass>& classes, double width, const std::string& title,
                   WorkAreaHandle points, WorkAreaHandle lines) {
  if (classes.empty()) return;
  const auto n = static_cast<long>(classes.size());
  const double X = static_cast<double>(n) * width;
  const double Y = X * 4 / 3;
  long largest = 0;
  for (const HistogramClass& c : classes) largest = std::max(largest, c.frequency);
  const int t = HistogramTickStep(largest);
  const long k = largest / t + 1;
  Pen pen(points, lines);

  pen.Width(kAxisWidth);
  pen.Line({{0, 0}, {X + 10, 0}});
  pen.Text(X + 11, -1.5, HistogramCaption(title));
  pen.Line({{X + 8, 0.5}, {X + 10, 0}, {X + 8, -0.5}});
  pen.Line({{0, 0}, {0, Y + 10}});
  pen.Text(-2, Y + 11, "频数");
  pen.Line({{-0.5, Y + 8}, {0, Y + 10}, {0.5, Y + 8}});

  pen.Width(kThinWidth);
  const double u = Y / static_cast<double>(k);
  for (long j = 0; j <= k; ++j) {
    pen.Line({{0, static_cast<double>(j) * u}, {-2, static_cast<double>(j) * u}});
    pen.Text(-6, static_cast<double>(j) * u - 1.5, num::Format("%d", static_cast<int>(j * t)));
  }
  for (long i = 0; i <= n; ++i) {
    const double x = static_cast<double>(i) * width;
    if (i < n) {
      const double h = static_cast<double>(classes[static_cast<std::size_t>(i)].frequency) /
                       static_cast<double>(k * t) * Y;
      pen.Line({{x, 0}, {x, h}, {x + width, h}, {x + width, 0}});
    }
    if (i % kLabelEvery == 0) {
      pen.Line({{x, 0}, {x, -2}});
      const double label = i == n ? classes.back().upper : classes[static_cast<std::size_t>(i)].lower;
      pen.Text(x - 2.5, -4, num::Format("%.2f", label));
    } else {
      pen.Line({{x, 0}, {x, -1}});
    }
  }
}

std::string HistogramFilePath(const std::string& folder, const std::string& title, const std::string& extension) {
  const bool separated = !folder.empty() && (folder.back() == '/' || folder.back() == '\\');
  return folder + (separated ? "" : "/") + title + extension;
}

std::string SaveHistogram(const std::vector<HistogramClass>& classes, double width, const std::string& folder,
                          const std::string& title, std::string* error) {
  std::error_code made;
  std::filesystem::create_directories(std::filesystem::path(folder), made);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle areas[] = {BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
  DrawHistogram(classes, width, title, areas[0], areas[1]);
  std::vector<std::string> paths;
  for (int i = 0; i < 3; ++i) {
    paths.push_back(HistogramFilePath(folder, title, kExtensions[i]));
    if (!BasSaveWorkArea(areas[i], paths.back(), kSavePathComplete, 0, 0, 0)) {
      *error = BasLastSaveError();
      BasFreeWorkAreaSet(set);
      return {};
    }
  }
  BasFreeWorkAreaSet(set);
  const std::string projectPath = HistogramFilePath(folder, title, ".mpj");
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, projectPath);
  files::FileReport report;
  bool ok = true;
  for (const std::string& path : paths)
    if (PrjAddItem(project, path, 0, -1, &report) < 0) {
      *error = report.error.empty() ? path : report.error;
      ok = false;
      break;
    }
  if (ok && !PrjSave(project, error)) {
    if (error->empty()) *error = projectPath;
    ok = false;
  }
  PrjClose(project);
  return ok ? projectPath : std::string();
}

}  // namespace zv::sheets
