#pragma once
// The option sheet: the pages "系统参数", "柱状图" and "剖面图" over the running
// settings ([OTHER], [ZK], [PM] of the settings file). Each page is a table of
// rows {label, key, control, setting}; its controls are named by their keys
// (the buttons beside a box by the key + " button"), so tests find them.
// OK stores every page into the running settings and writes all three
// groups; Cancel changes nothing.

#include <QDialog>
#include <QString>
#include <optional>
#include <span>
#include <variant>
#include <vector>

#include "app/app_settings.h"

class QTabWidget;

namespace zv::options {

// Tells the user that the settings file would not take a value just set:
// it holds for this run only.
void WarnSettingsNotKept();

enum class Control {
  kCheck,      // check box, 0/1
  kWhole,      // whole number
  kReal,       // decimal number
  kOneDecimal, // decimal number shown with one decimal
  kColour,     // colour number, with the colour picker beside it
  kSubgraph,   // sub-graph number, with the sub-graph picker beside it
  kCorner,     // "左上", "右上", "左下", "右下" by index
};

using Field = std::variant<int AppSettings::*, int16_t AppSettings::*, long AppSettings::*, float AppSettings::*,
                           double AppSettings::*>;

struct OptionRow {
  const char* label;
  const char* key;
  Control control;
  Field field;
  long maximum = -1;  // whole numbers: refused above it (and below 0) when set
};

class OptionPage : public QWidget {
 public:
  OptionPage(std::span<const OptionRow> rows, QWidget* parent = nullptr);

  void Load(const AppSettings& settings);
  // The refusal of the first value that cannot be taken, else nothing.
  std::optional<QString> Check() const;
  void Store(AppSettings& settings) const;
  bool modified() const { return modified_; }
  void SetModified() { modified_ = true; }
  // The control (or its box) of a key.
  QWidget* ControlOf(const char* key) const;

 private:
  std::vector<OptionRow> rows_;
  std::vector<QWidget*> controls_;
  bool modified_ = false;
};

// The three pages in order.
std::vector<OptionPage*> MakeOptionPages(QWidget* parent);

// The sheet dialog; a value refused on OK or when leaving its page keeps the
// sheet open on that page, with the refusal shown.
class OptionSheet : public QDialog {
 public:
  OptionSheet(const QString& caption, int firstPage, QWidget* parent = nullptr);
  const std::vector<OptionPage*>& pages() const { return pages_; }
  QTabWidget* tabs() const { return tabs_; }
  void accept() override;

 private:
  QTabWidget* tabs_;
  std::vector<OptionPage*> pages_;
  int shown_ = 0;
};

// Loads the settings group (0 [ZK] and [PM], 1 [OTHER]), runs the sheet on
// the page, and on OK stores and writes all 32 keys and asks the plan view to
// reload its select setting (0x46C code 13). True on OK.
bool RunOptionSheet(const QString& caption, int firstPage, int loadWhich);

}  // namespace zv::options
