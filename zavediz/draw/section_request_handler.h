#pragma once
// The section view's side of the section request 0x469: one handler per
// section view, made on first use, living as long as the view. The section
// view hands it every request (BindSectionRequests); it decodes each
// (operation = code, or code mod 100 with argument code / 100 above 100)
// and runs it:
//   0 drop the payload of the ticket; 1 end measuring (command flag 1227);
//   2, 3, 4, 10 draw the section of the plan document (the view's areas
//   emptied first; a failed data check draws, repaints and saves nothing);
//   5 rulers hidden; 6 flash one entity and centre on it; 7 select the
//   listed ids in work area `argument` when it is valid, centre on the
//   first and flash them, then repaint; others nothing.
// After a drawing the view is repainted (a straight section keeping its
// window, the others shown whole) and, while no save folder is known, the
// user is asked for one and the section written there: the folder and name
// are the view's, which 32965 and later saves share.

#include <QObject>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "views/sec_gis_edit_view.h"
#include "views/zavediz_doc.h"
#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

inline constexpr const char* kNoSavePathMessage = "没有设置保存路径，请手工保存文件！";
inline constexpr long kIdleCommandFlag = 1227;
inline constexpr const char* kUnnamedSection = "未定名";

class SectionRequestHandler : public QObject {
 public:
  static SectionRequestHandler& Of(CSecGisEditView& view);

  void OnDocumentRequest(std::intptr_t wParam, std::intptr_t lParam);
  // 32799 保存剖面: asks for the folder while none is known, then writes.
  void SaveZavediz();

  CZavedizDoc* Document() const { return document_; }
  bool Drawn() const { return drawn_; }
  bool Polyline() const { return polyline_; }
  bool RulerVisible() const { return rulerVisible_; }

 private:
  explicit SectionRequestHandler(CSecGisEditView& view);
  void DrawSection(int operation, std::intptr_t ticket);
  void FlashOne(std::intptr_t ticket);
  void SelectEntityList(WorkAreaHandle area, std::intptr_t ticket);

  CSecGisEditView& view_;
  QPointer<CZavedizDoc> document_;
  bool polyline_ = false;
  bool drawn_ = false;
  bool rulerVisible_ = true;
};

// Makes the section editing view hand its section requests to its handler.
void BindSectionRequests();

// The section settings the drawing reads, from the program's settings.
SheetOptions CurrentSheetOptions();

}  // namespace zv::zavediz
