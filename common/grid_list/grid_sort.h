#pragma once
// Ordering of grid-list rows and of the name lists that fill grid lists.
//
// CompareGridTexts judges the kind of a column from its first text alone:
//   - a number when it holds only digits and at most one "." (an empty text
//     counts; a sign or blank does not): both texts compare as numbers, the
//     other one by its leading number (0 when it has none);
//   - a date dd/mm/yyyy: year, then month, then day;
//   - else a locale-aware, case-sensitive text comparison.
// Because the kind follows the first text, the comparison is not a strict
// weak order (12.5 against "abc" compares as numbers, "abc" against 12.5 as
// texts). Sort with SortOrder, a merge sort that stays inside its range
// whatever the comparison answers; never hand it to std::sort.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace zv::grid {

// −1, 0 or 1: where a sorts against b in the given direction.
int CompareGridTexts(const QString& a, const QString& b, bool ascending);

// The stable order of `count` items under `compare(i, j)` (negative: item i
// first): result[k] is the index of the item that goes to place k.
std::vector<int> SortOrder(int count, const std::function<int(int, int)>& compare);

// Sorts ascending and stably, comparing the texts' GBK bytes with ASCII
// letters folded to one case, so Chinese names sort by their GBK codes.
void SortStringArrayNoCase(QStringList& texts);

}  // namespace zv::grid
