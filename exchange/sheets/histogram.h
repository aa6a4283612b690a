#pragma once
// The frequency histogram of a classed table, drawn as a map.
//
// The table: one row per class, from the selection's first column c: the
// lower bound in c, the upper bound in c + 1, the frequency in c + 2, read
// with atof, atof and atol from the cells' texts (also beyond a narrower
// selection). Non-numeric cells read as 0.
//
// The drawing, in map units with the origin at the chart's lower left
// corner, n classes of bar width w: X = n·w long class axis, Y = X·4/3 high
// frequency axis; F the largest frequency (from 0), tick step t = 20 for
// F ≤ 100, 50 below 500, 100 from 500; k = F div t + 1 ticks of u = Y/k;
// a bar of height freq·Y/(k·t). Texts 2.5 high and wide, axes 0.2 wide and
// everything after them 0.1, in the current default parameters (which keep
// these values afterwards). Texts go to the point area, lines to the line
// area.
#include <string>
#include <vector>

#include "framework/workbook/object_model.h"
#include "platform/data/work_area.h"

namespace zv::sheets {

struct HistogramClass {
  double lower = 0;
  double upper = 0;
  long frequency = 0;
};

// The n rows from `firstRow` at column `column`, reported to the progress
// window ("正在绘制直方图...", 0 .. n).
std::vector<HistogramClass> ReadHistogramClasses(const workbook::Worksheet& sheet, int firstRow, long rows, int column);

// The tick step t for the largest frequency.
int HistogramTickStep(long largest);

// The class axis caption: the first two GBK bytes of the title, cut back to
// a whole character, then "(×10#+-9#=)" after "Au", else "(×10#+-6#=)".
std::string HistogramCaption(const std::string& title);

// Draws the chart of the classes; nothing for no class.
void DrawHistogram(const std::vector<HistogramClass>& classes, double width, const std::string& title,
                   WorkAreaHandle points, WorkAreaHandle lines);

// The path of one of the chart's files: the folder with "/" added when it
// has none at its end, the title and the extension.
std::string HistogramFilePath(const std::string& folder, const std::string& title, const std::string& extension);

// Draws the chart into new work areas and saves them as title + ".wt",
// ".wl", ".wp" in the folder (made when missing), then a project
// title + ".mpj" holding the three. The project's path, or empty with
// `error` naming the file that could not be written.
std::string SaveHistogram(const std::vector<HistogramClass>& classes, double width, const std::string& folder,
                          const std::string& title, std::string* error);

}  // namespace zv::sheets
