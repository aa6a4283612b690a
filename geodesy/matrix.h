#pragma once
// A small dense matrix of doubles, row-major, with the product, transpose and
// inverse the datum-transformation fit needs, filled from text.

#include <cstdint>
#include <string_view>
#include <vector>

class CMatrix {
 public:
  // The largest number of elements a matrix may hold (512 MB of doubles):
  // shapes read from text cannot ask for more.
  static constexpr int64_t kMaxElements = int64_t{1} << 26;

  CMatrix();  // 1 x 1, zero
  CMatrix(int32_t rows, int32_t cols);
  CMatrix(const CMatrix& other) = default;
  CMatrix& operator=(const CMatrix& other);
  virtual ~CMatrix() = default;

  // New zero-filled shape; false, leaving an empty 0 x 0 matrix, for a
  // negative dimension or more than kMaxElements elements.
  bool Resize(int32_t rows, int32_t cols);

  // Row mode (the usual one): one matrix row per text line, up to the first
  // blank line; the first line's token count gives the columns; extra tokens
  // are dropped and missing ones stay 0. Row mode clear: the tokens are rows,
  // columns, then the elements row by row. Numbers are read as in the C
  // locale (text that is no number reads as 0). False for an empty text or a
  // shape that cannot be allocated.
  bool FromString(std::string_view text, std::string_view delimiters, bool rowMode);

  void SetRow(int32_t row, const double* values);
  // False (nothing stored) outside the matrix.
  bool SetAt(int32_t row, int32_t col, double value);
  // Unchecked read: the caller keeps row and col inside the matrix.
  double GetAt(int32_t row, int32_t col) const { return data_[Index(row, col)]; }
  // The element, or, outside the matrix, a shared value reset to 1e100 on
  // every such call.
  double* At(int32_t row, int32_t col);

  int32_t GetRows() const { return rows_; }
  int32_t GetCols() const { return cols_; }
  double* GetData() { return data_.data(); }
  const double* GetData() const { return data_.data(); }

  // this x other. When the shapes do not chain, the sum runs over the common
  // inner length only.
  CMatrix Multiply(const CMatrix& other) const;
  CMatrix Transpose() const;
  // A square matrix: its inverse, or, when singular, the partly reduced copy
  // with *invertible false. A matrix that is not square: a copy of itself.
  CMatrix Inverse(bool* invertible = nullptr) const;

 private:
  std::size_t Index(int32_t row, int32_t col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) + static_cast<std::size_t>(col);
  }
  bool Contains(int32_t row, int32_t col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_ && !data_.empty();
  }
  bool FillRows(std::string_view text, std::string_view delimiters);
  bool FillFlat(std::string_view text, std::string_view delimiters);

  int32_t cols_ = 1;
  int32_t rows_ = 1;
  std::vector<double> data_;
};

// Gauss-Jordan inversion in place with full pivoting of the n x n row-major
// matrix a. False when a pivot vanishes (largest + 1 == 1); the matrix is
// then left partly reduced and "Err**not inv" is written to standard output.
bool GaussJordanInvert(double* a, int32_t n);
