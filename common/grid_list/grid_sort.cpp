#include "common/grid_list/grid_sort.h"

#include <algorithm>
#include <string>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::grid {

namespace {

bool IsNumberText(const QString& text) {
  int dots = 0;
  for (const QChar c : text) {
    if (c == QLatin1Char('.')) {
      if (++dots > 1) return false;
    } else if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
      return false;
    }
  }
  return true;
}

bool IsDateText(const QString& text) {
  if (text.size() != 10) return false;
  for (int i = 0; i < 10; ++i) {
    const QChar c = text[i];
    const bool slash = i == 2 || i == 5;
    if (slash ? c != QLatin1Char('/') : (c < QLatin1Char('0') || c > QLatin1Char('9'))) return false;
  }
  return true;
}

int Sign(double difference) { return difference < 0 ? -1 : (difference > 0 ? 1 : 0); }

double LeadingNumber(const QString& text) { return num::ParseDouble(text.toStdString()); }

int LeadingInt(const QString& text, int from, int length) {
  return num::ParseInt(text.mid(from, length).toStdString());
}

// Year, month, day of a date text; the other text of a comparison need not be
// a date, so its parts read as leading integers like the first one's.
int CompareDates(const QString& a, const QString& b) {
  for (const auto& [from, length] : {std::pair{6, 4}, std::pair{3, 2}, std::pair{0, 2}}) {
    const int difference = LeadingInt(a, from, length) - LeadingInt(b, from, length);
    if (difference != 0) return Sign(difference);
  }
  return 0;
}

void MergeSort(std::vector<int>& items, std::vector<int>& scratch, std::size_t begin, std::size_t end,
               const std::function<int(int, int)>& compare) {
  if (end - begin < 2) return;
  const std::size_t middle = begin + (end - begin) / 2;
  MergeSort(items, scratch, begin, middle, compare);
  MergeSort(items, scratch, middle, end, compare);
  std::size_t left = begin, right = middle, out = begin;
  while (left < middle && right < end) {
    // The left item stays first unless the right one sorts strictly before it.
    scratch[out++] = compare(items[left], items[right]) > 0 ? items[right++] : items[left++];
  }
  while (left < middle) scratch[out++] = items[left++];
  while (right < end) scratch[out++] = items[right++];
  std::copy(scratch.begin() + begin, scratch.begin() + end, items.begin() + begin);
}

// Folded to lower case, as the C library's case-blind comparison does, so
// "_" sorts before letters; trail bytes of GBK characters fold alike.
std::string FoldedGbk(const QString& text) {
  std::string bytes = text::ToGbk(text.toStdString());
  for (char& c : bytes) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return bytes;
}

}  // namespace

int CompareGridTexts(const QString& a, const QString& b, bool ascending) {
  const QString& first = ascending ? a : b;
  const QString& second = ascending ? b : a;
  if (IsNumberText(a)) return Sign(LeadingNumber(first) - LeadingNumber(second));
  if (IsDateText(a)) return CompareDates(first, second);
  return Sign(QString::localeAwareCompare(first, second));
}

std::vector<int> SortOrder(int count, const std::function<int(int, int)>& compare) {
  std::vector<int> items(static_cast<std::size_t>(std::max(count, 0)));
  for (std::size_t i = 0; i < items.size(); ++i) items[i] = static_cast<int>(i);
  std::vector<int> scratch(items.size());
  MergeSort(items, scratch, 0, items.size(), compare);
  return items;
}

void SortStringArrayNoCase(QStringList& texts) {
  std::vector<std::pair<std::string, QString>> keyed;
  keyed.reserve(static_cast<std::size_t>(texts.size()));
  for (const QString& text : texts) keyed.emplace_back(FoldedGbk(text), text);
  // Byte comparison of the folded GBK forms is a strict weak order.
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& x, const auto& y) {
    return std::lexicographical_compare(x.first.begin(), x.first.end(), y.first.begin(), y.first.end(),
                                        [](char p, char q) {
                                          return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
                                        });
  });
  for (qsizetype i = 0; i < texts.size(); ++i) texts[i] = keyed[static_cast<std::size_t>(i)].second;
}

}  // namespace zv::grid
