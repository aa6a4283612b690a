#pragma once
// Choosing a colour, sub-graph, line type or pattern from the system
// library: a list of the library's items, each drawn as its sample. Colours
// are numbered from 0, the other libraries from 1 to their count − 1.

#include <QImage>
#include <QWidget>

namespace zv {

enum class LibraryKind { kColour, kSubgraph, kLineType, kPattern };

// The sample of one item.
QImage LibraryItemSample(LibraryKind kind, int number, QSize size);
// The number chosen, or −1 when the user cancels or the library offers no
// item. The list is named "items" (each item's data is its number).
int PickLibraryItem(LibraryKind kind, int current, QWidget* parent = nullptr);

}  // namespace zv
