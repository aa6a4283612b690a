#pragma once
// The progress window of long operations: a name, a sub-name, a range and
// a position, and a cancel button where the caller allows one.
//
// Calls go to the installed sink: the program installs the window
// (InstallProgressWindow, progress_window.h); until then, and in tests, a
// silent sink keeps the state so it can be read back. Calls outside a
// Start … End pair are ignored. Texts are UTF-8.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace zv {

struct ProgressState {
  bool running = false;
  bool cancellable = false;
  bool cancelled = false;
  std::string name;
  std::string subName;
  int64_t minimum = 0;
  int64_t maximum = 100;
  int64_t position = 0;
  int starts = 0;  // how many times a progress was started
};

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // The state changed (any field); the sink shows it.
  virtual void Show(const ProgressState& state) = 0;
  // The progress ended; the sink hides its window.
  virtual void Hide() = 0;
  // True once the user asked to cancel.
  virtual bool CancelRequested() = 0;
};

// Installs a sink (null: the silent one) and returns the previous sink.
std::unique_ptr<ProgressSink> InstallProgressSink(std::unique_ptr<ProgressSink> sink);

void StartProgress(std::string_view name = {}, bool cancellable = false);
void SetMainProgressName(std::string_view name);
void SetSubProgressName(std::string_view name);
// An empty or reversed range is taken as [minimum, minimum].
void SetRange(int64_t minimum, int64_t maximum);
// Clamped to the range. False once a cancellable progress was cancelled:
// the caller then stops and ends the progress.
bool SetPos(int64_t position);
bool ProgressCancelled();
void EndProgress();

// The state as the last call left it.
const ProgressState& CurrentProgress();

}  // namespace zv
