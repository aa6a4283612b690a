#include <gtest/gtest.h>

#include "framework/text/encoding.h"

using namespace zv::text;

namespace {

struct TextCase {
  const char* name;
  std::string utf8;
  std::size_t gbkBytes;
  std::size_t characters;
};

const TextCase kTexts[] = {
    {"empty", "", 0, 0},
    {"ascii", "Zavediz 1:10000", 15, 15},
    {"chinese", "剖面图", 6, 3},
    {"mixed", "ZK01钻孔 柱状图", 4 + 4 + 1 + 6, 4 + 2 + 1 + 3},
    {"degree and full-width", "35°２", 2 + 2 + 2, 4},
};

}  // namespace

TEST(Text, RoundTripsAndMeasures) {
  for (const TextCase& c : kTexts) {
    SCOPED_TRACE(c.name);
    bool lossy = true;
    const std::string gbk = ToGbk(c.utf8, &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(gbk.size(), c.gbkBytes);
    EXPECT_EQ(GbkLength(c.utf8), c.gbkBytes);
    EXPECT_EQ(FromGbk(gbk), c.utf8);
    EXPECT_DOUBLE_EQ(WidthInCharUnits(c.utf8), c.gbkBytes / 2.0);
    EXPECT_EQ(CharacterCount(c.utf8), c.characters);
  }
}

TEST(Text, KnownGbkBytes) {
  EXPECT_EQ(ToGbk("中"), "\xD6\xD0");
  EXPECT_EQ(FromGbk("\xB5\xD8\xD6\xCA"), "地质");
}

TEST(Text, CharacterGbkCannotHoldIsReplacedAndReported) {
  bool lossy = false;
  // An emoji and a Hangul syllable: GB18030 has four-byte forms, GBK none.
  // The euro sign has a one-byte form in some GBK tables that GB18030
  // readers reject, so it is replaced rather than written unreadable.
  const std::string gbk = ToGbk("A😀한€B", &lossy);
  EXPECT_TRUE(lossy);
  EXPECT_EQ(gbk, "A???B");
  EXPECT_EQ(GbkLength("😀"), 1u);
}

TEST(Text, CharactersGbkCannotHoldCanBeWrittenAsEscapes) {
  const auto escape = [](char32_t c) { return "<" + std::to_string(static_cast<unsigned long>(c)) + ">"; };
  EXPECT_EQ(ToGbkEscaped("A😀中한\xFF€", escape), "A<128512>\xD6\xD0<54620><65533><8364>");
}

TEST(Text, DecodingAcceptsGb18030FourByteFormsAndMarksBadBytes) {
  EXPECT_EQ(FromGbk("\x94\x39\xFC\x36"), "😀");
  EXPECT_EQ(FromGbk("\x81\x30\x81\x30"), "\xC2\x80");  // first four-byte code: U+0080
  EXPECT_EQ(FromGbk("A\xFF" "B"), "A\xEF\xBF\xBD" "B");
  EXPECT_EQ(FromGbk("\xD6"), "\xEF\xBF\xBD");  // a lead byte cut off at the end
}

TEST(Text, CutsOnlyBetweenCharacters) {
  struct Cut {
    std::string text;
    std::size_t max;
    std::string expected;
  };
  const Cut cuts[] = {
      {"剖面图", 0, ""},       {"剖面图", 1, ""},        {"剖面图", 3, "剖"},       {"剖面图", 4, "剖面"},
      {"剖面图", 100, "剖面图"}, {"ab剖面", 3, "ab"},     {"ab剖面", 4, "ab剖"},     {"a😀b", 2, "a😀"},
  };
  for (const Cut& c : cuts) {
    SCOPED_TRACE(c.text + " / " + std::to_string(c.max));
    EXPECT_EQ(CutToGbkBytes(c.text, c.max), c.expected);
    EXPECT_LE(GbkLength(CutToGbkBytes(c.text, c.max)), c.max);
  }
  // The same rule on UTF-8 bytes: 剖 takes three.
  EXPECT_EQ(Utf8CutLength("ab剖面", 4), 2u);
  EXPECT_EQ(Utf8CutLength("ab剖面", 5), 5u);
  EXPECT_EQ(Utf8CutLength("ab", 10), 2u);
}

TEST(Text, DetectsUtf8AgainstGb18030) {
  EXPECT_EQ(DetectEncoding("plain ascii"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding("剖面图"), TextEncoding::Utf8);
  EXPECT_EQ(DetectEncoding(ToGbk("剖面图")), TextEncoding::Gb18030);
  EXPECT_EQ(DetectEncoding("\xEF\xBB\xBF" "abc"), TextEncoding::Utf8);
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" "地质"), "地质");
  EXPECT_EQ(DecodeTextFile(ToGbk("地质,剖面")), "地质,剖面");
  EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" "a\xBF[b\xE4\xB8"), "a\xEF\xBF\xBD[b\xEF\xBF\xBD\xEF\xBF\xBD");
  // Overlong forms and surrogates are not UTF-8.
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));
}
