#pragma once
// The progress window on screen: a dialog with the name as its title, the
// sub-name as its label, a bar, and a cancel button when the caller allows
// one. Events are processed on each change so the window repaints and the
// button reacts during the caller's loop.

namespace zv {

// Installs the window as the progress sink.
void InstallProgressWindow();

}  // namespace zv
