#include "views/edit_view_shared.h"

#include <QMdiArea>

#include "app/app_settings.h"
#include "views/core/view_settings.h"

namespace zv {

QString SecEditViewShared::StatusText() {
  return QString::fromStdString(views::LayerText(view_.GetCurLayer(), std::string()));
}

SecEditViewShared* SharedOf(cmd::CommandTarget& target) { return dynamic_cast<SecEditViewShared*>(&target); }

void ApplyViewSettings(CGisEditView& view) {
  const AppSettings& s = Settings();
  view._SetEnableScrollFlag(s.scroll);
  view._SetSmartWndFlag(1);
  views::LoadSystemParameters(SettingsFile(), view.systemParms());
  int16_t values[kSelectParmCount] = {};
  view.GetSysSelectParm(values, kSelectParmCount);
  const std::array<int16_t, 8> switches = views::DisplaySwitchesFromSettings();
  std::copy(switches.begin(), switches.end(), values);
  view.SetSysSelectParm(values, kSelectParmCount);
  // Colour 0 would ask the user for a colour at every opening of a view.
  if (s.backColor != 0) view.EditWndBkFace(s.backColor);
}

docview::CChildFrame* FrameOf(QWidget& view) {
  for (QWidget* w = view.parentWidget(); w != nullptr; w = w->parentWidget())
    if (auto* frame = dynamic_cast<docview::CChildFrame*>(w)) return frame;
  return nullptr;
}

void AttachToFrame(SecEditViewShared& shared) {
  docview::CChildFrame* frame = FrameOf(shared.EditView());
  shared.SetRulerFrame(frame);
  if (frame == nullptr) return;
  frame->ShowRulers(shared.rulerBarShown() ? 1 : 0);
  QObject::connect(frame, &QMdiSubWindow::windowStateChanged, &shared.EditView(),
                   [&shared](Qt::WindowStates before, Qt::WindowStates now) {
                     if (now.testFlag(Qt::WindowActive) && !before.testFlag(Qt::WindowActive)) shared.OnActivateView();
                   });
  if (frame->mdiArea() != nullptr && frame->mdiArea()->activeSubWindow() == frame) shared.OnActivateView();
}

void SetTabName(SecEditViewShared& shared, const QString& name) {
  if (docview::CChildFrame* frame = FrameOf(shared.EditView())) frame->setWindowTitle(name);
}

void SyncRulers(SecEditViewShared& shared, int code, int x, int y) {
  docview::CChildFrame* frame = shared.RulerFrame();
  if (frame == nullptr) return;
  const WIN_ORG org = shared.EditView()._GetWinDispParam();
  frame->UpdateRulers(code, org.x, org.y, x, y, static_cast<int>(org.width), static_cast<int>(org.height),
                      static_cast<float>(org.scale));
}

void ToggleRulerBar(SecEditViewShared& shared) {
  shared.SetRulerBarShown(!shared.rulerBarShown());
  if (docview::CChildFrame* frame = shared.RulerFrame()) frame->ShowRulers(shared.rulerBarShown() ? 1 : 0);
  views::WriteRulerBar(SettingsFile(), shared.rulerBarShown() ? 1 : 0);
}

bool RulerBarSetting() { return views::ReadRulerBar(SettingsFile(), 0) != 0; }

}  // namespace zv
