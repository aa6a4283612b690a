#include <gmock/gmock.h>

#include "tests/support/test_env.h"

int main(int argc, char** argv) {
  zv::test::IsolateEnvironment();
  testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}
