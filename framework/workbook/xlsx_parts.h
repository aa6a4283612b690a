#pragma once
// The parts of an .xlsx package, each read into the workbook data. Internal
// to the reader.

#include <pugixml.hpp>

#include <cstring>
#include <string>
#include <string_view>

#include "framework/workbook/colours.h"
#include "framework/workbook/workbook_data.h"
#include "framework/workbook/zip_archive.h"

namespace zv::workbook::xlsx {

// Element names without their namespace prefix, so that files written with
// "x:" prefixes read the same.
inline std::string_view LocalName(const char* name) {
  const char* colon = std::strchr(name, ':');
  return colon ? std::string_view(colon + 1) : std::string_view(name);
}
inline bool Is(pugi::xml_node node, std::string_view localName) { return LocalName(node.name()) == localName; }
inline pugi::xml_node Child(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && Is(child, localName)) return child;
  return {};
}
// An attribute by local name ("r:id" found as "id" only when asked with a prefix-free name).
pugi::xml_attribute Attribute(pugi::xml_node node, std::string_view localName);

// Loads XML or throws WorkbookError naming the damaged part.
void LoadXml(pugi::xml_document& document, const std::string& bytes, const std::string& part,
             const std::string& displayName);

struct ColourContext {
  IndexedPalette palette;
  ThemeColours theme = DefaultThemeColours();
};

ThemeColours ReadTheme(const pugi::xml_document& theme);

// A <color> element (rgb, indexed, theme with tint, auto) or `fallback`.
std::uint32_t ResolveColour(pugi::xml_node color, const ColourContext& colours, std::uint32_t fallback);

// A <font> of styles.xml or an <rPr> of a rich-text run over `base`.
FontData ReadFont(pugi::xml_node font, const ColourContext& colours, const FontData& base);

// Number formats, fonts, borders, cell formats and the custom palette.
void ReadStyles(const pugi::xml_document& styles, ColourContext& colours, WorkbookData& book);

// <si> or <is>: plain or rich text.
RichText ReadRichText(pugi::xml_node item, const ColourContext& colours, WorkbookData& book);

void ReadSharedStrings(const pugi::xml_document& strings, const ColourContext& colours, WorkbookData& book,
                       std::size_t maxStrings);

struct SheetContext {
  const ColourContext& colours;
  WorkbookData& book;
  std::size_t sharedStringCount;
  std::size_t& cellBudget;
  std::size_t maxUsedCells;
  const std::string& displayName;
};

void ReadWorksheet(const pugi::xml_document& sheet, SheetData& data, SheetContext& context);

// Column widths as the object model gives them, from the file's widths
// (characters plus padding, in 1/256 steps).
double ColumnWidthFromFile(double fileWidth);
double FileWidthFromColumnWidth(double columnWidth);

}  // namespace zv::workbook::xlsx
