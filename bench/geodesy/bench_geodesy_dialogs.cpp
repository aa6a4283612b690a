// The coordinate dialogs at volume, offscreen:
//  - the Gauss dialog's "计算" and "展点" on 100,000 rows, in rows per
//    second through the lists, beside the raw CGeoPoint forward rate of the
//    same points in the same run (the lists may cost at most ten times the
//    arithmetic);
//  - a sheet-name lookup in a generated 1,000,000-line table, in
//    milliseconds, beside `grep -F` of the same number in the same run.
//
// Usage: bench_geodesy_dialogs [rows]   (default 100000)

#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/gauss/gauss_handover.h"
#include "geodesy/gauss/gauss_projection_dlg.h"
#include "geodesy/geo_point.h"
#include "geodesy/point_text.h"
#include "geodesy/sheet/sheet_names.h"
#include "geodesy/widgets/point_list.h"

namespace {

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<zv::point_text::Fields> Rows(int count) {
  std::vector<zv::point_text::Fields> rows;
  for (int i = 0; i < count; ++i) {
    const int minutes = i % 3600;
    rows.push_back({zv::num::FormatInt(i + 1), zv::num::Format("%d%02d%02d.5", 30 + i % 20, minutes / 60, minutes % 60),
                    zv::num::Format("1%02d%02d%02d.25", 15 + i % 4, (i / 7) % 60, (i / 11) % 60)});
  }
  return rows;
}

void GaussBench(int count) {
  const auto rows = Rows(count);
  // The arithmetic alone: what each row of "计算" does.
  Clock::time_point start = Clock::now();
  double sink = 0;
  CGeoPoint p;
  for (const auto& r : rows) {
    p.SetCoords(zv::num::ParseDouble(r[1]) * 0.0001, zv::num::ParseDouble(r[2]) * 0.0001, 0, CGeoPoint::kPackedDms);
    p.GaussForward(kBeijing54.e2, kBeijing54.a, DmsToRadians(117));
    double x = 0, y = 0, z = 0;
    p.GetCoords(&x, &y, &z, CGeoPoint::kAsStored);
    sink += zv::num::FormatFixed(x).size() + zv::num::FormatFixed(y).size();
  }
  const double raw = Seconds(start);

  zv::gauss::CGaussProjectionDlg dialog;
  zv::geodesy::SetListRows(*dialog.left(), rows);
  start = Clock::now();
  dialog.findChild<QPushButton*>("compute")->click();
  const double compute = Seconds(start);

  const zv::WorkAreaSetHandle set = zv::BasCreateWorkAreaSet(0);
  const zv::WorkAreaHandle points = zv::BasCreatePointWorkArea(set), lines = zv::BasCreateLineWorkArea(set);
  start = Clock::now();
  zv::gauss::HandOver handOver;
  handOver.points = zv::gauss::HandedOverPoints(
      zv::point_text::FromFields<zv::gauss::GaussRow>(zv::geodesy::ListRows(*dialog.right())));
  handOver.drawLine = true;
  zv::GisUndo undo;
  zv::gauss::PlaceHandedOverPoints(handOver, points, lines, undo);
  const double place = Seconds(start);
  zv::BasFreeWorkAreaSet(set);

  std::printf("Gauss dialog, %d rows (check %g)\n", count, sink > 0 ? 1.0 : 0.0);
  std::printf("  CGeoPoint forward alone:   %10.0f rows/s\n", count / raw);
  std::printf("  计算 through the lists:     %10.0f rows/s  (%.1f x the arithmetic)\n", count / compute, compute / raw);
  std::printf("  展点 into the work areas:   %10.0f rows/s  (%d points, texts and a line)\n", count / place,
              dialog.right()->GetItemCount());
}

// A distinct 1:10000 number per line: 9216 sheets in each 1:1000000 sheet.
std::string SheetNumber(int i) {
  const int million = i / 9216, within = i % 9216;
  return zv::num::Format("%c%02dG%03d%03d", 'A' + million % 22, 10 + million / 22, within / 96 + 1, within % 96 + 1);
}

void SheetNameBench() {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "zv_bench_1万图幅号.csv";
  {
    std::ofstream out(file, std::ios::binary);
    out << "序号,a,b,c,d,新图幅号,图幅名\r\n";
    for (int i = 0; i < 1000000; ++i) {
      out << i + 1 << ",,,,," << SheetNumber(i) << ",图幅" << i + 1 << "\r\n";
    }
  }
  const std::string last = SheetNumber(999999);
  Clock::time_point start = Clock::now();
  const auto name = zv::sheet::FindSheetName(file.string(), last);
  const double ours = Seconds(start);
  start = Clock::now();
  const int rc = std::system(("grep -F -m1 ',," + last + ",' '" + file.string() + "' > /dev/null").c_str());
  const double grep = Seconds(start);
  std::printf("Sheet-name lookup, 1,000,000 lines, the number on the last line (%s)\n", name ? name->c_str() : "none");
  std::printf("  FindSheetName: %8.1f ms\n  grep -F:       %8.1f ms%s\n", ours * 1000, grep * 1000,
              rc == 0 ? "" : " (grep found nothing)");
  std::filesystem::remove(file);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
  GaussBench(rows);
  SheetNameBench();
  return 0;
}
