// Styles, theme and colour parts of an .xlsx package.
#include <cmath>
#include <map>

#include "framework/text/numbers.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_parts.h"

namespace zv::workbook::xlsx {

namespace {

struct Named {
  const char* name;
  int value;
};

constexpr Named kLineStyles[] = {
    {"thin", line::kContinuous},      {"medium", line::kContinuous},     {"thick", line::kContinuous},
    {"hair", line::kContinuous},      {"dashed", line::kDash},           {"mediumDashed", line::kDash},
    {"dashDot", line::kDashDot},      {"mediumDashDot", line::kDashDot}, {"dashDotDot", line::kDashDotDot},
    {"mediumDashDotDot", line::kDashDotDot}, {"dotted", line::kDot},     {"double", line::kDouble},
    {"slantDashDot", line::kSlantDashDot},
};

constexpr Named kHorizontal[] = {
    {"general", align::kGeneral}, {"left", align::kLeft},       {"center", align::kCenter},
    {"right", align::kRight},     {"fill", align::kFill},       {"justify", align::kJustify},
    {"centerContinuous", align::kCenterAcrossSelection},        {"distributed", align::kDistributed},
};

constexpr Named kVertical[] = {
    {"top", align::kTop},         {"center", align::kCenter},           {"bottom", align::kBottom},
    {"justify", align::kJustify}, {"distributed", align::kDistributed},
};

template <std::size_t N>
int Lookup(const Named (&table)[N], std::string_view name, int fallback) {
  for (const Named& entry : table)
    if (name == entry.name) return entry.value;
  return fallback;
}

bool Flag(pugi::xml_node node) {
  if (!node) return false;
  const auto val = Attribute(node, "val");
  return !val || (std::string_view(val.value()) != "0" && std::string_view(val.value()) != "false");
}

int ReadLineStyle(pugi::xml_node edge) {
  if (!edge) return line::kNone;
  return Lookup(kLineStyles, Attribute(edge, "style").value(), line::kNone);
}

BorderData ReadBorder(pugi::xml_node border) {
  BorderData data;
  data.left = ReadLineStyle(Child(border, "left") ? Child(border, "left") : Child(border, "start"));
  data.right = ReadLineStyle(Child(border, "right") ? Child(border, "right") : Child(border, "end"));
  data.top = ReadLineStyle(Child(border, "top"));
  data.bottom = ReadLineStyle(Child(border, "bottom"));
  const int diagonal = ReadLineStyle(Child(border, "diagonal"));
  if (border.attribute("diagonalDown").as_bool()) data.diagonalDown = diagonal;
  if (border.attribute("diagonalUp").as_bool()) data.diagonalUp = diagonal;
  return data;
}

}  // namespace

pugi::xml_attribute Attribute(pugi::xml_node node, std::string_view localName) {
  for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute())
    if (LocalName(attribute.name()) == localName) return attribute;
  return {};
}

void LoadXml(pugi::xml_document& document, const std::string& bytes, const std::string& part,
             const std::string& displayName) {
  const auto result = document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata_single);
  if (!result || !document.document_element())
    throw WorkbookError("工作簿“" + displayName + "”已损坏：" + part + " 不是有效的 XML。");
}

ThemeColours ReadTheme(const pugi::xml_document& theme) {
  ThemeColours colours = DefaultThemeColours();
  const pugi::xml_node scheme = Child(Child(theme.document_element(), "themeElements"), "clrScheme");
  if (!scheme) return colours;
  // File order dk1, lt1, dk2, lt2, ...; cells number them lt1, dk1, lt2, dk2, ...
  static constexpr const char* kOrder[12] = {"lt1",     "dk1",     "lt2",     "dk2",     "accent1", "accent2",
                                             "accent3", "accent4", "accent5", "accent6", "hlink",   "folHlink"};
  for (std::size_t i = 0; i < 12; ++i) {
    const pugi::xml_node slot = Child(scheme, kOrder[i]);
    if (const auto srgb = Child(slot, "srgbClr")) colours[i] = BgrFromHex(Attribute(srgb, "val").value());
    else if (const auto sys = Child(slot, "sysClr")) colours[i] = BgrFromHex(Attribute(sys, "lastClr").value());
  }
  return colours;
}

std::uint32_t ResolveColour(pugi::xml_node color, const ColourContext& colours, std::uint32_t fallback) {
  if (!color) return fallback;
  std::uint32_t bgr = fallback;
  if (const auto rgb = color.attribute("rgb")) {
    bgr = BgrFromHex(rgb.value());
  } else if (const auto theme = color.attribute("theme")) {
    const int index = theme.as_int(-1);
    if (index >= 0 && index < 12) bgr = colours.theme[static_cast<std::size_t>(index)];
  } else if (const auto indexed = color.attribute("indexed")) {
    bgr = colours.palette.Bgr(indexed.as_int(64));
  } else if (color.attribute("auto")) {
    bgr = 0;
  }
  if (const auto tint = color.attribute("tint")) bgr = ApplyTint(bgr, num::ParseDouble(tint.value()));
  return bgr;
}

FontData ReadFont(pugi::xml_node font, const ColourContext& colours, const FontData& base) {
  FontData data = base;
  for (pugi::xml_node child = font.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = LocalName(child.name());
    if (name == "name" || name == "rFont") data.name = Attribute(child, "val").value();
    else if (name == "sz") data.size = num::ParseDouble(Attribute(child, "val").value());
    else if (name == "color") data.color = ResolveColour(child, colours, base.color);
    else if (name == "b") data.bold = Flag(child);
    else if (name == "i") data.italic = Flag(child);
    else if (name == "vertAlign") {
      const std::string_view val = Attribute(child, "val").value();
      data.superscript = val == "superscript";
      data.subscript = val == "subscript";
    }
  }
  return data;
}

void ReadStyles(const pugi::xml_document& styles, ColourContext& colours, WorkbookData& book) {
  const pugi::xml_node root = styles.document_element();

  if (const auto indexed = Child(Child(root, "colors"), "indexedColors")) {
    std::vector<std::uint32_t> palette;
    for (auto rgb = indexed.first_child(); rgb; rgb = rgb.next_sibling())
      palette.push_back(BgrFromHex(Attribute(rgb, "rgb").value()));
    colours.palette.Override(palette);
  }

  for (auto format = Child(root, "numFmts").first_child(); format; format = format.next_sibling())
    book.numberFormats[format.attribute("numFmtId").as_uint()] = format.attribute("formatCode").value();

  book.fonts.clear();
  for (auto font = Child(root, "fonts").first_child(); font; font = font.next_sibling())
    book.fonts.push_back(ReadFont(font, colours, FontData{"", 11.0}));
  if (book.fonts.empty()) book.fonts.push_back(FontData{});

  book.borders.clear();
  for (auto border = Child(root, "borders").first_child(); border; border = border.next_sibling())
    book.borders.push_back(ReadBorder(border));
  if (book.borders.empty()) book.borders.push_back(BorderData{});

  book.formats.clear();
  for (auto xf = Child(root, "cellXfs").first_child(); xf; xf = xf.next_sibling()) {
    CellFormat format;
    format.numberFormat = xf.attribute("numFmtId").as_uint();
    format.font = xf.attribute("fontId").as_uint();
    format.border = xf.attribute("borderId").as_uint();
    if (format.font >= book.fonts.size()) format.font = 0;
    if (format.border >= book.borders.size()) format.border = 0;
    if (const auto alignment = Child(xf, "alignment")) {
      format.horizontal = Lookup(kHorizontal, alignment.attribute("horizontal").value(), align::kGeneral);
      format.vertical = Lookup(kVertical, alignment.attribute("vertical").value(), align::kBottom);
      format.wrap = alignment.attribute("wrapText").as_bool();
    }
    book.formats.push_back(format);
  }
  if (book.formats.empty()) book.formats.push_back(CellFormat{});
}

// Widths in the file count characters of the Normal font's widest digit
// (7 pixels) plus 5 pixels of padding.
double ColumnWidthFromFile(double fileWidth) {
  constexpr double kDigit = 7.0;
  const double pixels = std::trunc((256.0 * fileWidth + std::trunc(128.0 / kDigit)) / 256.0 * kDigit);
  const double characters = pixels <= 12.0 ? pixels / 12.0 : (pixels - 5.0) / kDigit;
  return std::round(characters * 100.0) / 100.0;
}

double FileWidthFromColumnWidth(double columnWidth) {
  constexpr double kDigit = 7.0;
  return std::trunc((columnWidth * kDigit + 5.0) / kDigit * 256.0) / 256.0;
}

}  // namespace zv::workbook::xlsx
