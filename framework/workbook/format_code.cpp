#include "framework/workbook/format_code.h"

#include <cctype>

#include "framework/text/numbers.h"

namespace zv::workbook::format_code {

namespace {

std::size_t Utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead >> 5) == 0x6) return 2;
  if ((lead >> 4) == 0xE) return 3;
  if ((lead >> 3) == 0x1E) return 4;
  return 1;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[at + i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

std::size_t RunLength(std::string_view text, std::size_t at, char lower) {
  std::size_t n = 0;
  while (at + n < text.size() && std::tolower(static_cast<unsigned char>(text[at + n])) == lower) ++n;
  return n;
}

Token MakeToken(TokenKind kind, std::string text = {}, int width = 1, char digit = '0') {
  Token token;
  token.kind = kind;
  token.text = std::move(text);
  token.width = width;
  token.digit = digit;
  return token;
}

void AddLiteral(Section& section, std::string_view text) {
  if (!section.tokens.empty() && section.tokens.back().kind == TokenKind::kLiteral)
    section.tokens.back().text += text;
  else
    section.tokens.push_back(MakeToken(TokenKind::kLiteral, std::string(text)));
}

bool IsDateKind(TokenKind kind) {
  switch (kind) {
    case TokenKind::kYear:
    case TokenKind::kMonth:
    case TokenKind::kDay:
    case TokenKind::kHour:
    case TokenKind::kMinute:
    case TokenKind::kSecond:
    case TokenKind::kElapsedHours:
    case TokenKind::kElapsedMinutes:
    case TokenKind::kElapsedSeconds:
    case TokenKind::kAmPm:
    case TokenKind::kChineseWeekday:
      return true;
    default:
      return false;
  }
}

// "[...]": elapsed time, a currency or locale tag, a condition, or a colour.
void ParseBracket(Section& section, std::string_view inner) {
  if (!inner.empty()) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(inner[0])));
    const bool allSame = inner.find_first_not_of(std::string{inner[0]}) == std::string_view::npos;
    if (allSame && (c == 'h' || c == 'm' || c == 's')) {
      const TokenKind kind = c == 'h' ? TokenKind::kElapsedHours
                             : c == 'm' ? TokenKind::kElapsedMinutes
                                        : TokenKind::kElapsedSeconds;
      section.tokens.push_back(MakeToken(kind, "", static_cast<int>(inner.size())));
      return;
    }
    if (inner[0] == '$') {
      const auto dash = inner.find('-');
      AddLiteral(section, inner.substr(1, dash == std::string_view::npos ? std::string_view::npos : dash - 1));
      return;
    }
    if (inner[0] == '<' || inner[0] == '>' || inner[0] == '=') {
      std::size_t opLength = 1;
      if (inner.size() > 1 && (inner[1] == '=' || inner[1] == '>')) opLength = 2;
      section.condition = Condition{std::string(inner.substr(0, opLength)),
                                    num::ParseDouble(inner.substr(opLength))};
    }
  }
}

Section ParseSection(std::string_view code) {
  Section section;
  std::size_t i = 0;
  while (i < code.size()) {
    const char c = code[i];
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '"') {
      const auto end = code.find('"', i + 1);
      const auto stop = end == std::string_view::npos ? code.size() : end;
      AddLiteral(section, code.substr(i + 1, stop - i - 1));
      i = stop + 1;
    } else if (c == '\\' || c == '_' || c == '*') {
      const std::size_t next = i + 1;
      const std::size_t length = next < code.size() ? Utf8Length(static_cast<unsigned char>(code[next])) : 0;
      if (c == '\\') AddLiteral(section, code.substr(next, length));
      if (c == '_') AddLiteral(section, " ");
      i = next + length;
    } else if (c == '[') {
      const auto end = code.find(']', i);
      const auto stop = end == std::string_view::npos ? code.size() : end;
      ParseBracket(section, code.substr(i + 1, stop - i - 1));
      i = stop + 1;
    } else if (StartsWithNoCase(code, i, "general")) {
      section.tokens.push_back(MakeToken(TokenKind::kGeneral));
      i += 7;
    } else if (c == '0' || c == '#' || c == '?') {
      section.tokens.push_back(MakeToken(TokenKind::kDigit, "", 1, c));
      ++i;
    } else if (c == '.') {
      const std::size_t zeros = RunLength(code, i + 1, '0');
      const bool afterSeconds = !section.tokens.empty() && section.tokens.back().kind == TokenKind::kSecond;
      if (afterSeconds && zeros > 0) {
        section.tokens.push_back(MakeToken(TokenKind::kSubSecond, "", static_cast<int>(zeros)));
        i += 1 + zeros;
      } else {
        section.tokens.push_back(MakeToken(TokenKind::kPoint));
        ++i;
      }
    } else if (c == ',') {
      section.tokens.push_back(MakeToken(TokenKind::kComma));
      ++i;
    } else if (c == '%') {
      section.tokens.push_back(MakeToken(TokenKind::kPercent));
      ++i;
    } else if (lower == 'e' && i + 1 < code.size() && (code[i + 1] == '+' || code[i + 1] == '-')) {
      std::size_t digits = 0;
      std::size_t j = i + 2;
      while (j < code.size() && (code[j] == '0' || code[j] == '#' || code[j] == '?')) ++digits, ++j;
      section.tokens.push_back(MakeToken(TokenKind::kExponent, std::string(1, code[i + 1]), static_cast<int>(digits)));
      i = j;
    } else if (StartsWithNoCase(code, i, "am/pm")) {
      section.tokens.push_back(MakeToken(TokenKind::kAmPm, "AM/PM"));
      i += 5;
    } else if (StartsWithNoCase(code, i, "a/p")) {
      section.tokens.push_back(MakeToken(TokenKind::kAmPm, std::string(code.substr(i, 1)) == "a" ? "a/p" : "A/P"));
      i += 3;
    } else if (code.substr(i, 13) == "上午/下午") {
      section.tokens.push_back(MakeToken(TokenKind::kAmPm, "上午/下午"));
      i += 13;
    } else if (lower == 'a' && RunLength(code, i, 'a') >= 3) {
      const std::size_t n = RunLength(code, i, 'a');
      section.tokens.push_back(MakeToken(TokenKind::kChineseWeekday, "", static_cast<int>(n)));
      i += n;
    } else if (lower == 'y' || lower == 'm' || lower == 'd' || lower == 'h' || lower == 's') {
      const std::size_t n = RunLength(code, i, lower);
      const TokenKind kind = lower == 'y' ? TokenKind::kYear
                             : lower == 'm' ? TokenKind::kMonth
                             : lower == 'd' ? TokenKind::kDay
                             : lower == 'h' ? TokenKind::kHour
                                            : TokenKind::kSecond;
      section.tokens.push_back(MakeToken(kind, "", static_cast<int>(n)));
      i += n;
    } else if (c == '@') {
      section.tokens.push_back(MakeToken(TokenKind::kText));
      ++i;
    } else {
      const std::size_t length = Utf8Length(static_cast<unsigned char>(c));
      AddLiteral(section, code.substr(i, length));
      i += length;
    }
  }

  // "m" is minutes right after an hour or right before a second.
  auto& tokens = section.tokens;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    if (tokens[k].kind != TokenKind::kMonth || tokens[k].width > 2) continue;
    bool minute = false;
    for (std::size_t p = k; p-- > 0;) {
      if (!IsDateKind(tokens[p].kind)) continue;
      minute = tokens[p].kind == TokenKind::kHour || tokens[p].kind == TokenKind::kElapsedHours;
      break;
    }
    for (std::size_t n = k + 1; !minute && n < tokens.size(); ++n) {
      if (!IsDateKind(tokens[n].kind)) continue;
      minute = tokens[n].kind == TokenKind::kSecond || tokens[n].kind == TokenKind::kElapsedSeconds;
      break;
    }
    if (minute) tokens[k].kind = TokenKind::kMinute;
  }

  bool hasNumber = false;
  bool hasText = false;
  for (const Token& token : tokens) {
    if (IsDateKind(token.kind)) section.isDate = true;
    if (token.kind == TokenKind::kDigit || token.kind == TokenKind::kGeneral) hasNumber = true;
    if (token.kind == TokenKind::kText) hasText = true;
  }
  section.isTextOnly = hasText && !hasNumber && !section.isDate;
  return section;
}

}  // namespace

bool Condition::Holds(double x) const {
  if (op == "<") return x < value;
  if (op == ">") return x > value;
  if (op == "=") return x == value;
  if (op == "<=") return x <= value;
  if (op == ">=") return x >= value;
  if (op == "<>") return x != value;
  return false;
}

std::vector<Section> Parse(std::string_view code) {
  std::vector<Section> sections;
  std::size_t start = 0;
  bool quoted = false;
  bool bracket = false;
  for (std::size_t i = 0; i <= code.size(); ++i) {
    const char c = i < code.size() ? code[i] : ';';
    if (i < code.size() && c == '\\' && !quoted) {
      ++i;
      continue;
    }
    if (c == '"') quoted = !quoted;
    else if (!quoted && c == '[') bracket = true;
    else if (!quoted && c == ']') bracket = false;
    else if (!quoted && !bracket && c == ';') {
      sections.push_back(ParseSection(code.substr(start, i - start)));
      start = i + 1;
    }
  }
  return sections;
}

Choice ChooseSection(const std::vector<Section>& sections, double value) {
  std::vector<const Section*> numeric;
  for (std::size_t i = 0; i < sections.size() && i < 3; ++i) {
    if (i > 0 && sections[i].isTextOnly) break;
    numeric.push_back(&sections[i]);
  }
  if (numeric.empty()) return {};
  if (numeric.front()->tokens.size() == 1 && numeric.front()->tokens[0].kind == TokenKind::kGeneral &&
      numeric.size() == 1)
    return {numeric.front(), true};

  if (numeric.front()->condition) {
    if (numeric.front()->condition->Holds(value)) return {numeric.front(), false};
    if (numeric.size() >= 2 && numeric[1]->condition && numeric[1]->condition->Holds(value))
      return {numeric[1], false};
    if (numeric.size() >= 3) return {numeric[2], false};
    if (numeric.size() == 2 && !numeric[1]->condition) return {numeric[1], true};
    return {};
  }
  if (value > 0 || (value == 0 && numeric.size() < 3)) return {numeric.front(), false};
  if (value < 0) {
    if (numeric.size() >= 2) return {numeric[1], false};
    return {numeric.front(), true};
  }
  return {numeric[2], false};
}

const Section* TextSection(const std::vector<Section>& sections) {
  if (sections.size() >= 4) return &sections[3];
  for (const Section& section : sections)
    if (section.isTextOnly) return &section;
  return nullptr;
}

}  // namespace zv::workbook::format_code
