#include "geodesy/reserve/reserve_commands.h"

#include <QStringList>

#include "framework/prompts/prompts.h"
#include "geodesy/reserve/reserve_catalog_dlg.h"
#include "geodesy/reserve/reserve_project.h"

namespace zv::reserve {

void RunReserveVerificationProject(QWidget* parent, const DocumentOpener& open) {
  CReserveCatalogDlg dialog(parent);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const ReserveProject written = WriteReserveProject(dialog.catalog());
  if (!written.report.failures.empty()) {
    QStringList lines{QStringLiteral("以下文件未能保存：")};
    for (const std::string& f : written.report.failures) lines << QString::fromStdString(f);
    prompt::Message(lines.join(QLatin1Char('\n')), prompt::kIconStop);
  }
  if (written.report.projectSaved && open) open(QString::fromStdString(written.projectPath));
}

}  // namespace zv::reserve
