#include "platform/progress/progress.h"

#include <algorithm>

namespace zv {

namespace {

class SilentSink : public ProgressSink {
 public:
  void Show(const ProgressState&) override {}
  void Hide() override {}
  bool CancelRequested() override { return false; }
};

struct Progress {
  std::unique_ptr<ProgressSink> sink = std::make_unique<SilentSink>();
  ProgressState state;
};

Progress& Instance() {
  static Progress progress;
  return progress;
}

void Show() {
  Progress& p = Instance();
  if (p.state.running) p.sink->Show(p.state);
}

}  // namespace

std::unique_ptr<ProgressSink> InstallProgressSink(std::unique_ptr<ProgressSink> sink) {
  Progress& p = Instance();
  if (!sink) sink = std::make_unique<SilentSink>();
  std::swap(p.sink, sink);
  return sink;
}

void StartProgress(std::string_view name, bool cancellable) {
  Progress& p = Instance();
  const int starts = p.state.starts + 1;
  p.state = {};
  p.state.running = true;
  p.state.cancellable = cancellable;
  p.state.name = std::string(name);
  p.state.starts = starts;
  Show();
}

void SetMainProgressName(std::string_view name) {
  Instance().state.name = std::string(name);
  Show();
}

void SetSubProgressName(std::string_view name) {
  Instance().state.subName = std::string(name);
  Show();
}

void SetRange(int64_t minimum, int64_t maximum) {
  ProgressState& s = Instance().state;
  s.minimum = minimum;
  s.maximum = std::max(minimum, maximum);
  s.position = std::clamp(s.position, s.minimum, s.maximum);
  Show();
}

bool SetPos(int64_t position) {
  ProgressState& s = Instance().state;
  s.position = std::clamp(position, s.minimum, s.maximum);
  Show();
  return !ProgressCancelled();
}

bool ProgressCancelled() {
  Progress& p = Instance();
  if (p.state.running && p.state.cancellable && !p.state.cancelled && p.sink->CancelRequested())
    p.state.cancelled = true;
  return p.state.cancelled;
}

void EndProgress() {
  Progress& p = Instance();
  if (!p.state.running) return;
  p.state.running = false;
  p.sink->Hide();
}

const ProgressState& CurrentProgress() { return Instance().state; }

}  // namespace zv
