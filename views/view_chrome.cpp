#include "views/view_chrome.h"

namespace zv {
namespace {

ViewChrome*& Installed() {
  static ViewChrome* chrome = nullptr;
  return chrome;
}

}  // namespace

ViewChrome& Chrome() {
  static ViewChrome silent;
  return Installed() ? *Installed() : silent;
}

void SetViewChrome(ViewChrome* chrome) { Installed() = chrome; }

}  // namespace zv
