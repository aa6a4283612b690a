#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "framework/text/encoding.h"
#include "tests/support/test_env.h"

namespace zv::dxf {
namespace {

std::vector<std::pair<int, std::string>> AllGroups(std::string_view bytes) {
  DxfLineSource source(bytes);
  DxfGroupReader groups(source);
  std::vector<std::pair<int, std::string>> out;
  while (groups.Next()) out.emplace_back(groups.code(), groups.value());
  return out;
}

TEST(DxfGroupReader, StripsLfAndCrLfButNothingElse) {
  using G = std::vector<std::pair<int, std::string>>;
  EXPECT_EQ(AllGroups("0\nSECTION\n  2\nHEADER \n"), (G{{0, "SECTION"}, {2, "HEADER "}}));
  EXPECT_EQ(AllGroups("0\r\nSECTION\r\n 8\r\n\t层 \r\n"), (G{{0, "SECTION"}, {8, "\t层 "}}));
  // A last value without a line end still counts; a code without a value does not.
  EXPECT_EQ(AllGroups("0\nEOF"), (G{{0, "EOF"}}));
  EXPECT_EQ(AllGroups("0\nEOF\n999\n"), (G{{0, "EOF"}}));
  // A value may carry a lone CR inside; only the one before the LF goes.
  EXPECT_EQ(AllGroups("1\na\rb\r\n"), (G{{1, "a\rb"}}));
}

TEST(DxfGroupReader, CodeLinesThatAreNoNumberArePassedOverAndCounted) {
  DxfLineSource source(std::string_view("0\nLINE\nxx\nLINE\n-5\nv\n+7\nw\n"));
  DxfGroupReader groups(source);
  ASSERT_TRUE(groups.Next());
  ASSERT_TRUE(groups.Next());
  EXPECT_EQ(groups.code(), DxfGroupReader::kInvalidCode);
  EXPECT_EQ(groups.line(), 3u);
  ASSERT_TRUE(groups.Next());
  EXPECT_EQ(groups.code(), -5);
  ASSERT_TRUE(groups.Next());
  EXPECT_EQ(groups.code(), 7);
  EXPECT_FALSE(groups.Next());
  EXPECT_TRUE(groups.AtEnd());
  EXPECT_EQ(groups.badCodeCount(), 1u);
  EXPECT_EQ(groups.firstBadCodeLine(), 3u);
}

TEST(DxfGroupReader, FileLinesLongerThanTheReadBlockAreWhole) {
  const std::string path = zv::test::TempRoot() + "/long.dxf";
  const std::string longValue(3 * 1024 * 1024 + 17, 'x');
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  const std::string text = "1\r\n" + longValue + "\r\n0\r\nEOF\r\n";
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);
  DxfLineSource source(std::fopen(path.c_str(), "rb"));
  EXPECT_EQ(source.Size(), text.size());
  DxfGroupReader groups(source);
  ASSERT_TRUE(groups.Next());
  EXPECT_EQ(groups.value(), longValue);
  ASSERT_TRUE(groups.Next());
  EXPECT_TRUE(groups.Is0("EOF"));
  EXPECT_EQ(groups.position(), text.size());
  EXPECT_FALSE(groups.Next());
}

TEST(DxfCodePage, DecodesByTheFileAndTheDeclaredCodePage) {
  struct Case {
    const char* declared;
    std::string bytes;
    std::string text;
    std::string converter;
  };
  const Case cases[] = {
      {"", text::ToGbk("图层\\{}"), "图层\\{}", "GB18030"},
      {"ANSI_936", text::ToGbk("地层"), "地层", "GB18030"},
      {"ansi_1252", "caf\xE9 \x80", "café €", "CP1252"},
      {"ANSI_1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "Привет", "CP1251"},
      {"ANSI_932", "\x93\xFA\x96\x7B", "日本", "CP932"},
      {"DOS437", "\x82", "é", "CP437"},
      // A code page we cannot convert leaves GBK.
      {"ANSI_99999", text::ToGbk("中文"), "中文", "GB18030"},
      {"NONSENSE", text::ToGbk("中文"), "中文", "GB18030"},
      // Undefined bytes of a code page become U+FFFD.
      {"ANSI_1252", "a\x81z", "a\xEF\xBF\xBDz", "CP1252"},
  };
  for (const Case& c : cases) {
    DxfTextDecoder decoder(false);
    if (*c.declared) decoder.SetDeclaredCodePage(c.declared);
    EXPECT_EQ(decoder.codePage(), c.converter) << c.declared;
    EXPECT_EQ(decoder.Decode(c.bytes), c.text) << c.declared;
  }
  // A valid UTF-8 file stays UTF-8, whatever it declares.
  DxfTextDecoder utf8File(true);
  utf8File.SetDeclaredCodePage("ANSI_936");
  EXPECT_EQ(utf8File.Decode("图层"), "图层");
  // Characters outside the code page come as escapes, in any text or name.
  EXPECT_EQ(DxfTextDecoder(false).Decode("\\U+5730\\U+5c42 \\U+12"), "地层 \\U+12");
  // What the export writes of them reads back unchanged.
  for (const std::string text : {"地层 € 😀 ꙮ", "°±"})
    EXPECT_EQ(DxfTextDecoder(false).Decode(EncodeGbkText(text)), text) << text;
}

TEST(DxfCodePage, SourceIsUtf8OnlyWhenEveryLineIs) {
  DxfLineSource utf8(std::string_view("1\n图层\n0\nEOF\n"));
  EXPECT_TRUE(SourceIsUtf8(utf8));
  std::string line;
  ASSERT_TRUE(utf8.NextLine(line));  // rewound
  EXPECT_EQ(line, "1");
  const std::string mixed = "1\n图层\n1\n" + text::ToGbk("中文") + "\n";
  DxfLineSource gbk(mixed);
  EXPECT_FALSE(SourceIsUtf8(gbk));
}

}  // namespace
}  // namespace zv::dxf
