#include <gtest/gtest.h>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_text_codes.h"
#include "framework/text/encoding.h"

namespace zv::dxf {
namespace {

struct Case {
  const char* in;
  const char* out;
};

TEST(DxfMText, CodesAreParsedByKind) {
  const Case cases[] = {
      {"", ""},
      {"第一行\\P第二行", "第一行 \r\n第二行"},
      {"{\\fSimSun|b0|i0;宋体}文字", "宋体文字"},
      {"\\H2.5x;高\\W0.8;宽\\Q15;斜\\T1.1;距\\A1;对\\C3;色\\c255;真", "高宽斜距对色真"},
      // Toggles end at once: the text right after them stays.
      {"\\Lunder\\l \\Oover\\o \\Kstrike\\k", "under over strike"},
      {"a\\~b", "a b"},
      {"\\\\ \\{ \\}", "\\ { }"},
      {"\\U+4E2D\\U+6587", "中文"},
      {"\\M+5D6D0", "中"},
      {"\\S1^ ;", "#+1#="},
      {"\\S^ 2;", "#-2#="},
      {"\\S1/2;", "/1/2/"},
      {"\\S1^ 2;", "#+1#-2#="},
      // A parameter code that lacks its ";" loses only its letter.
      {"\\H2.5x", "2.5x"},
      {"\\z unknown", "\\z unknown"},
      {"end\\", "end"},
      // Broken character codes stay as written.
      {"\\U+12", "\\U+12"},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertMTextCodes(c.in, 2.0), c.out) << c.in;
}

TEST(DxfMText, GbkTrailBytesAreNeverTakenForCodes) {
  // The second bytes of these characters are 0x5C "\\", 0x7B "{" and 0x7D "}".
  const std::string gbk = text::ToGbk("{\\fSimSun;乗亄亇}\\P亇");
  ASSERT_EQ(text::ToGbk("乗亄亇"), "\x81\x5C\x81\x7B\x81\x7D");
  EXPECT_EQ(ConvertMTextCodes(DxfTextDecoder(false).Decode(gbk), 2.5), "乗亄亇 \r\n亇");
}

TEST(DxfMText, IndentBecomesBlanks) {
  EXPECT_EQ(ConvertMTextCodes("\\pi4;x", 2.0), std::string(4, ' ') + "x");  // int(4/2 + 2.5)
  EXPECT_EQ(ConvertMTextCodes("\\pxqc;x", 2.0), "x");
  EXPECT_EQ(MTextIndentToSpaces("ii-10", 2.0), "");
  EXPECT_EQ(MTextIndentToSpaces("1e300", 1.0).size(), 256u);
  EXPECT_EQ(MTextIndentToSpaces("3", 0.0), "");
}

TEST(DxfText, PercentSequences) {
  const Case cases[] = {
      {"30%%d", "30°"}, {"%%p0.5", "±0.5"}, {"%%c20", "⌀20"}, {"50%%%", "50%"},
      {"%%D%%P%%C", "°±⌀"}, {"%%uunder%%u", "under"}, {"100%", "100%"}, {"%%", "%%"}, {"%%x", "%%x"},
  };
  for (const Case& c : cases) EXPECT_EQ(ConvertTextSpecials(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace zv::dxf
