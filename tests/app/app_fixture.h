#pragma once
// The application started offscreen as the program starts it, with scripted
// prompts, a recording shell, and a recorder of the private messages that
// the panes would receive.

#include <QCoreApplication>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <vector>

#include "app/main_frame.h"
#include "app/module_registry.h"
#include "app/zavediz_app.h"
#include "common/globals/program_globals.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "framework/shell/shell_open.h"
#include "tests/support/test_env.h"
#include "views/zavediz_doc.h"

namespace zv::test {

struct Posted {
  unsigned message;
  std::intptr_t wParam, lParam;
  friend bool operator==(const Posted&, const Posted&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Posted& p) {
  return os << std::hex << "0x" << p.message << std::dec << "(" << p.wParam << ", " << p.lParam << ")";
}

class MessageRecorder : public QObject {
 public:
  std::vector<Posted> got;
  bool event(QEvent* e) override {
    if (const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(e)) {
      got.push_back({m->message(), m->wParam(), m->lParam()});
      return true;
    }
    return QObject::event(e);
  }
  void RecordFor(std::initializer_list<msg::PaneEntry> entries) {
    for (msg::PaneEntry e : entries) msg::PaneWindows().Record(e, this);
  }
  // Also records these messages when they reach another receiver: a view
  // records itself as its entry's receiver when it opens.
  void Watch(std::initializer_list<unsigned> messages) {
    watched_.assign(messages.begin(), messages.end());
    QCoreApplication::instance()->installEventFilter(this);
  }
  bool eventFilter(QObject* receiver, QEvent* e) override {
    const msg::PrivateMessageEvent* m = receiver != this ? msg::AsPrivateMessage(e) : nullptr;
    if (m && std::find(watched_.begin(), watched_.end(), m->message()) != watched_.end())
      got.push_back({m->message(), m->wParam(), m->lParam()});
    return false;
  }
  std::vector<Posted> Take() {
    QCoreApplication::sendPostedEvents();
    return std::exchange(got, {});
  }
  // Without the refill (0, 0) the plan view asks of the strata list after
  // each redraw.
  std::vector<Posted> TakeWithoutRedrawRefills() {
    std::vector<Posted> taken = Take();
    std::erase(taken, Posted{msg::kRefillList, 0, 0});
    return taken;
  }

 private:
  std::vector<unsigned> watched_;
};

// A copy of the sample project in the test's folder, so tests may change it.
inline QString SampleCopy(const QString& folderName = QStringLiteral("samples")) {
  const QString from = QStringLiteral(ZV_SOURCE_ROOT "/data/samples/");
  const QString to = QString::fromStdString(TempRoot()) + QLatin1Char('/') + folderName + QLatin1Char('/');
  QDir().mkpath(to);
  for (const char* name : {"HILLS.MPJ", "CONTOUR.WL", "POINTS.WT", "AREAS.WP"})
    QFile::copy(from + QLatin1String(name), to + QLatin1String(name));
  return to;
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterModules();
    SnapEnabled() = 0;
    OrthoEnabled() = 0;
    app_ = std::make_unique<CZavedizApp>();
  }
  void TearDown() override {
    app_.reset();
    Settle();
  }
  bool Start(const QString& file = QString()) {
    QStringList args{QStringLiteral("Zavediz")};
    if (!file.isEmpty()) args << file;
    return app_->InitInstance(args);
  }
  CMainFrame& frame() { return *app_->MainFrame(); }
  std::vector<docview::CDocument*> docs() const { return app_->Documents(); }
  CZavedizDoc* ActiveDoc() { return dynamic_cast<CZavedizDoc*>(frame().GetActiveDocument()); }
  // Lets posted events and deferred deletes run.
  static void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  prompt::ScopedScriptedPrompts script_;
  shell::ScopedRecordingOpener shell_;
  std::unique_ptr<CZavedizApp> app_;
};

// Started with no file, over a copy of the sample project.
class SampleAppTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    folder_ = SampleCopy();
    ASSERT_TRUE(Start());
  }
  QString File(const char* name) const { return folder_ + QLatin1String(name); }
  // A copy of a sample file under another name, so a project does not
  // already hold it.
  QString Copy(const char* from, const QString& to) const {
    QFile::copy(File(from), folder_ + to);
    return folder_ + to;
  }
  CZavedizDoc* Open(const QString& path) { return dynamic_cast<CZavedizDoc*>(app_->OpenDocumentFile(path)); }

  QString folder_;
};

}  // namespace zv::test
