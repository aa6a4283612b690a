#include "geodesy/string_tokenizer.h"

CStringTokenizer::CStringTokenizer(std::string_view text, std::string_view delimiters) : text_(text) {
  SetDelimiters(delimiters);
}

void CStringTokenizer::SetDelimiters(std::string_view delimiters) {
  for (char c : delimiters) delimiters_.set(static_cast<unsigned char>(c));
}

bool CStringTokenizer::NextToken(std::string& token) {
  token.clear();
  while (position_ < text_.size() && IsDelimiter(text_[position_])) ++position_;
  if (position_ >= text_.size()) return false;
  const std::size_t start = position_;
  while (position_ < text_.size() && !IsDelimiter(text_[position_])) ++position_;
  token.assign(text_, start, position_ - start);
  return true;
}
