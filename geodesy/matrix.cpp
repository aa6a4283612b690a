#include "geodesy/matrix.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <utility>

#include "framework/text/numbers.h"
#include "geodesy/string_tokenizer.h"

namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

}  // namespace

CMatrix::CMatrix() : data_(1, 0.0) {}

CMatrix::CMatrix(int32_t rows, int32_t cols) { Resize(rows, cols); }

CMatrix& CMatrix::operator=(const CMatrix& other) {
  if (this == &other || other.data_.empty()) return *this;
  rows_ = other.rows_;
  cols_ = other.cols_;
  data_ = other.data_;
  return *this;
}

bool CMatrix::Resize(int32_t rows, int32_t cols) {
  // A failed resize leaves an empty 0 x 0 matrix, so that the shape always
  // matches the elements held.
  data_.clear();
  data_.shrink_to_fit();
  rows_ = 0;
  cols_ = 0;
  if (rows < 0 || cols < 0) return false;
  const int64_t count = int64_t{rows} * int64_t{cols};
  if (count > kMaxElements) return false;
  try {
    data_.assign(static_cast<std::size_t>(count), 0.0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  rows_ = rows;
  cols_ = cols;
  return true;
}

bool CMatrix::FromString(std::string_view text, std::string_view delimiters, bool rowMode) {
  if (text.empty()) return false;
  return rowMode ? FillRows(text, delimiters) : FillFlat(text, delimiters);
}

bool CMatrix::FillRows(std::string_view text, std::string_view delimiters) {
  std::vector<std::string> lines;
  CStringTokenizer lineSplitter(text, "\r\n");
  std::string line;
  while (lineSplitter.NextToken(line)) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty()) break;
    lines.emplace_back(trimmed);
  }
  if (lines.empty()) return false;

  int32_t cols = 0;
  CStringTokenizer firstLine(lines.front(), delimiters);
  std::string token;
  while (firstLine.NextToken(token)) ++cols;
  if (!Resize(static_cast<int32_t>(std::min<std::size_t>(lines.size(), INT32_MAX)), cols)) return false;

  for (int32_t row = 0; row < rows_; ++row) {
    CStringTokenizer fields(lines[static_cast<std::size_t>(row)], delimiters);
    for (int32_t col = 0; fields.NextToken(token); ++col) {
      SetAt(row, col, zv::num::ParseDouble(Trim(token)));
    }
  }
  return true;
}

bool CMatrix::FillFlat(std::string_view text, std::string_view delimiters) {
  CStringTokenizer tokens(text, delimiters);
  std::string token;
  const int32_t rows = tokens.NextToken(token) ? zv::num::ParseInt(token) : 0;
  const int32_t cols = tokens.NextToken(token) ? zv::num::ParseInt(token) : 0;
  if (!Resize(rows, cols)) return false;
  for (double& element : data_) {
    if (!tokens.NextToken(token)) break;
    element = zv::num::ParseDouble(token);
  }
  return true;
}

void CMatrix::SetRow(int32_t row, const double* values) {
  for (int32_t col = 0; col < cols_; ++col) SetAt(row, col, values[col]);
}

bool CMatrix::SetAt(int32_t row, int32_t col, double value) {
  if (!Contains(row, col)) return false;
  data_[Index(row, col)] = value;
  return true;
}

double* CMatrix::At(int32_t row, int32_t col) {
  static double outside;
  if (!Contains(row, col)) {
    outside = 1e100;
    return &outside;
  }
  return &data_[Index(row, col)];
}

CMatrix CMatrix::Multiply(const CMatrix& other) const {
  CMatrix product(rows_, other.cols_);
  const int32_t inner = std::min(cols_, other.rows_);
  for (int32_t i = 0; i < rows_; ++i) {
    for (int32_t j = 0; j < other.cols_; ++j) {
      double sum = 0.0;
      for (int32_t k = 0; k < inner; ++k) sum += GetAt(i, k) * other.GetAt(k, j);
      product.data_[product.Index(i, j)] = sum;
    }
  }
  return product;
}

CMatrix CMatrix::Transpose() const {
  CMatrix transposed(cols_, rows_);
  for (int32_t i = 0; i < rows_; ++i) {
    for (int32_t j = 0; j < cols_; ++j) transposed.data_[transposed.Index(j, i)] = GetAt(i, j);
  }
  return transposed;
}

CMatrix CMatrix::Inverse(bool* invertible) const {
  CMatrix copy(*this);
  bool ok = rows_ == cols_ && GaussJordanInvert(copy.data_.data(), rows_);
  if (invertible) *invertible = ok;
  return copy;
}

bool GaussJordanInvert(double* a, int32_t n) {
  if (n <= 0) return n == 0;
  const auto at = [a, n](int32_t i, int32_t j) -> double& {
    return a[static_cast<std::size_t>(i) * static_cast<std::size_t>(n) + static_cast<std::size_t>(j)];
  };
  std::vector<int32_t> pivotRow(static_cast<std::size_t>(n));
  std::vector<int32_t> pivotCol(static_cast<std::size_t>(n));

  for (int32_t k = 0; k < n; ++k) {
    double largest = 0.0;
    for (int32_t i = k; i < n; ++i) {
      for (int32_t j = k; j < n; ++j) {
        if (std::fabs(at(i, j)) > largest) {
          largest = std::fabs(at(i, j));
          pivotRow[k] = i;
          pivotCol[k] = j;
        }
      }
    }
    if (largest + 1.0 == 1.0) {
      std::fputs("Err**not inv\n", stdout);
      return false;
    }
    if (pivotRow[k] != k) {
      for (int32_t j = 0; j < n; ++j) std::swap(at(k, j), at(pivotRow[k], j));
    }
    if (pivotCol[k] != k) {
      for (int32_t i = 0; i < n; ++i) std::swap(at(i, k), at(i, pivotCol[k]));
    }
    at(k, k) = 1.0 / at(k, k);
    for (int32_t j = 0; j < n; ++j) {
      if (j != k) at(k, j) *= at(k, k);
    }
    for (int32_t i = 0; i < n; ++i) {
      if (i == k) continue;
      for (int32_t j = 0; j < n; ++j) {
        if (j != k) at(i, j) -= at(i, k) * at(k, j);
      }
    }
    for (int32_t i = 0; i < n; ++i) {
      if (i != k) at(i, k) = -at(i, k) * at(k, k);
    }
  }
  for (int32_t k = n - 1; k >= 0; --k) {
    if (pivotCol[k] != k) {
      for (int32_t j = 0; j < n; ++j) std::swap(at(k, j), at(pivotCol[k], j));
    }
    if (pivotRow[k] != k) {
      for (int32_t i = 0; i < n; ++i) std::swap(at(i, k), at(i, pivotRow[k]));
    }
  }
  return true;
}
