#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/edit_aid/typed_input.h"

namespace zv::tools {
namespace {

TEST(TypedInputTest, KeysEditTheText) {
  struct Case {
    const char* name;
    std::vector<unsigned> keys;
    const char* text;
  };
  const Case cases[] = {
      {"digits of both rows", {49, 50, 96, 105}, "1209"},
      {"points and comma", {49, 110, 53, 188, 55, 190, 53}, "1.5,7.5"},
      {"minus of both rows", {189, 51, 188, 109, 52}, "-3,-4"},
      {"backspace removes the last character", {49, 50, 53, 8}, "12"},
      {"backspace on nothing", {8, 8, 49}, "1"},
      {"enter empties", {49, 50, 13}, ""},
      {"escape empties", {49, 27, 51}, "3"},
      {"other keys change nothing", {49, 65, 32, 120, 50}, "12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TypedInput input;
    for (unsigned key : c.keys) input.Key(key);
    EXPECT_EQ(input.text(), c.text);
  }
}

TEST(TypedInputTest, PromptTextCoversALongerOne) {
  EXPECT_EQ(PaddedTypedText("12,5").size(), 400u);
  EXPECT_EQ(PaddedTypedText("12,5").substr(0, 5), "12,5 ");
  EXPECT_EQ(PaddedTypedText(std::string(450, '1')).size(), 450u);
}

}  // namespace
}  // namespace zv::tools
