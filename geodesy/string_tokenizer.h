#pragma once
// Splits a text at any of a set of delimiter bytes. Runs of delimiters count
// as one, so tokens are never empty.

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

class CStringTokenizer {
 public:
  CStringTokenizer(std::string_view text, std::string_view delimiters);

  // Raises the flag of every byte of `delimiters` (the old ones stay).
  void SetDelimiters(std::string_view delimiters);

  // The next token, or false (token empty) when none is left.
  bool NextToken(std::string& token);

 private:
  bool IsDelimiter(char c) const { return delimiters_[static_cast<unsigned char>(c)]; }

  std::string text_;
  std::bitset<256> delimiters_;
  std::size_t position_ = 0;
};
