#pragma once
// A dialog's child widget by object name, for the dialog tests; a missing
// one fails the test.
#include <gtest/gtest.h>

#include <QDialog>

namespace zv::test {

template <class W>
W* Find(QDialog& d, const char* name) {
  W* w = d.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

}  // namespace zv::test
