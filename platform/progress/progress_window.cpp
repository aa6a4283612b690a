#include "platform/progress/progress_window.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <memory>

#include "framework/prompts/prompts.h"
#include "platform/progress/progress.h"

namespace zv {

namespace {

// Bars take int; long ranges are shown in steps of a fixed resolution.
constexpr int kBarSteps = 10000;

class ProgressWindow : public ProgressSink {
 public:
  void Show(const ProgressState& s) override {
    if (!dialog_) {
      dialog_ = std::make_unique<QProgressDialog>(prompt::GetMainWnd());
      dialog_->setWindowModality(Qt::WindowModal);
      dialog_->setMinimumDuration(300);
      dialog_->setAutoReset(false);
      dialog_->setAutoClose(false);
      dialog_->setRange(0, kBarSteps);
    }
    if (!s.cancellable) dialog_->setCancelButton(nullptr);
    else if (!hasCancel_) dialog_->setCancelButton(new QPushButton(QStringLiteral("取消")));
    hasCancel_ = s.cancellable;
    dialog_->setWindowTitle(QString::fromStdString(s.name));
    dialog_->setLabelText(QString::fromStdString(s.subName.empty() ? s.name : s.subName));
    const double span = static_cast<double>(s.maximum - s.minimum);
    dialog_->setValue(span > 0 ? static_cast<int>((s.position - s.minimum) / span * kBarSteps) : 0);
    QCoreApplication::processEvents();
  }
  void Hide() override {
    if (dialog_) dialog_->hide();
    dialog_.reset();
    hasCancel_ = false;
  }
  bool CancelRequested() override { return dialog_ && dialog_->wasCanceled(); }

 private:
  std::unique_ptr<QProgressDialog> dialog_;
  bool hasCancel_ = true;  // a new dialog comes with its own button
};

}  // namespace

void InstallProgressWindow() { InstallProgressSink(std::make_unique<ProgressWindow>()); }

}  // namespace zv
