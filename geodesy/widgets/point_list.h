#pragma once
// The three-column point lists of the coordinate dialogs: their rows as
// texts, and the list's right-click menu "追加数据", "删除数据", "复制数据",
// "粘贴数据" (copy and paste go through the system clipboard as the
// dialog's own text form).
#include <QString>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "framework/prompts/prompts.h"
#include "geodesy/point_text.h"

class QBoxLayout;
class QButtonGroup;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zv::grid {
class CGridListCtrl;
}
namespace zv::workbook {
class Range;
}

namespace zv::geodesy {

std::vector<point_text::Fields> ListRows(const grid::CGridListCtrl& list);
void SetListRows(grid::CGridListCtrl& list, const std::vector<point_text::Fields>& rows);

// The clipboard forms of the dialog's rows.
struct ClipboardForm {
  std::function<QString(const std::vector<point_text::Fields>&)> copy;
  std::function<std::vector<point_text::Fields>(const QString&)> paste;
};
void CopyRows(const grid::CGridListCtrl& list, const ClipboardForm& form);
void PasteRows(grid::CGridListCtrl& list, const ClipboardForm& form);

// A spreadsheet cell as a list cell: a number cell gives the number it
// holds ("%.15g", read by workbook::ParseCellNumber, so "1,200" under a
// thousands format gives 1200), any other cell the text it shows.
QString SheetCellText(const workbook::Range& cell);

// One sheet row as list cells: the point number as column 1 shows it, then
// each of `valueColumns` as SheetCellText; every cell cut to its first
// `maxCharacters` characters.
QStringList SheetRowCells(const workbook::Range& cells, int row, std::initializer_list<int> valueColumns,
                          std::size_t maxCharacters = std::string::npos);

// Asks for a file and reads it whole; none when cancelled or unreadable
// (the user is told why).
std::optional<std::string> ChooseAndReadFile(const prompt::FileRequest& request);

// Asks where to save and writes the bytes there atomically; a failure is
// told. Nothing happens when the user cancels.
void ChooseAndWriteFile(const prompt::FileRequest& request, const std::string& bytes);

// A three-column point list: named, every column editable as text, the
// column widths stored for the dialog restored, and the right-click menu.
grid::CGridListCtrl* MakePointList(QWidget* parent, const char* name, const QString& columns, int dialogId,
                                   ClipboardForm form);

// A named line edit as a new row of a form.
QLineEdit* AddFormEdit(QWidget* parent, QFormLayout* form, const char* name, const QString& label,
                       const QString& value);

// A named button that runs `action` when clicked; Enter in the dialog never
// presses it.
QPushButton* ActionButton(QWidget* parent, const char* name, const QString& text, std::function<void()> action);

// A group of radio buttons added to `row`, each named `name` + its id.
QButtonGroup* AddRadios(QWidget* parent, const char* name, const QStringList& labels, const QList<int>& ids,
                        QBoxLayout* row);

// A list of text columns, named, its column widths stored for the dialog
// restored; the caller adds its menu.
grid::CGridListCtrl* MakeList(QWidget* parent, const char* name, const QString& columns, int dialogId);

// Installs the right-click menu on the list.
void AddPointListMenu(grid::CGridListCtrl& list, ClipboardForm form);

}  // namespace zv::geodesy
