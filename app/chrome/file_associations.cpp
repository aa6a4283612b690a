#include "app/chrome/file_associations.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/fileio/file_io.h"

namespace zv::chrome {
namespace {

namespace fs = std::filesystem;

struct FileType {
  const char* extension;
  const char* mime;
  const char* comment;
};
constexpr std::array<FileType, 4> kTypes = {{
    {"mpj", "application/x-zavediz-project", "Zavediz 工程文件"},
    {"wt", "application/x-zavediz-points", "Zavediz 点文件"},
    {"wl", "application/x-zavediz-lines", "Zavediz 线文件"},
    {"wp", "application/x-zavediz-regions", "Zavediz 区文件"},
}};

constexpr const char* kDesktopName = "zavediz.desktop";
constexpr const char* kDefaultsSection = "[Default Applications]";

std::string Icon(const char* letter) {
  return std::string(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\">"
             "<rect x=\"2\" y=\"2\" width=\"44\" height=\"44\" rx=\"6\" fill=\"#5a7fb8\"/>"
             "<text x=\"24\" y=\"33\" font-size=\"24\" text-anchor=\"middle\" fill=\"#fff\">") +
         letter + "</text></svg>\n";
}

std::string MimeIconName(const char* mime) {
  std::string name = mime;
  name[name.find('/')] = '-';
  return name;
}

std::string MimePackage() {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  for (const FileType& t : kTypes) {
    xml += std::string("  <mime-type type=\"") + t.mime + "\">\n    <comment>" + t.comment +
           "</comment>\n    <icon name=\"" + MimeIconName(t.mime) + "\"/>\n    <glob pattern=\"*." + t.extension +
           "\"/>\n    <glob pattern=\"*." + t.extension + "\" case-sensitive=\"false\"/>\n  </mime-type>\n";
  }
  return xml + "</mime-info>\n";
}

// The program's path as one quoted argument of Exec: inside the quotes
// ", `, $ and \ take a backslash, % is doubled, and every backslash is
// doubled again because the whole value is a string with escapes.
std::string ExecArgument(const std::string& program) {
  std::string quoted = "\"";
  for (char c : program) {
    if (c == '"' || c == '`' || c == '$') (quoted += "\\\\") += c;
    else if (c == '\\') quoted += "\\\\\\\\";
    else if (c == '%') quoted += "%%";
    else quoted += c;
  }
  return quoted + "\"";
}

std::string DesktopEntry(const std::string& program) {
  std::string mimes;
  for (const FileType& t : kTypes) (mimes += t.mime) += ';';
  return "[Desktop Entry]\nType=Application\nName=Zavediz\nExec=" + ExecArgument(program) +
         " %f\nIcon=zavediz\nMimeType=" +
         mimes + "\nTerminal=false\nCategories=Science;Geography;\n";
}

std::string PackagePath(const XdgFolders& f) { return f.dataHome + "/mime/packages/zavediz.xml"; }
std::string DesktopPath(const XdgFolders& f) { return f.dataHome + "/applications/" + kDesktopName; }
std::string AppIconPath(const XdgFolders& f) { return f.dataHome + "/icons/hicolor/scalable/apps/zavediz.svg"; }
std::string MimeIconPath(const XdgFolders& f, const char* mime) {
  return f.dataHome + "/icons/hicolor/scalable/mimetypes/" + MimeIconName(mime) + ".svg";
}
std::string MimeAppsPath(const XdgFolders& f) { return f.configHome + "/mimeapps.list"; }

bool Write(const std::string& path, const std::string& text) {
  std::error_code ignored;
  fs::create_directories(fs::path(path).parent_path(), ignored);
  return fileio::WriteFileAtomically(path, std::string_view(text));
}

std::string EditMimeApps(const std::vector<std::string>& lines, bool add);

// The lines of a file; false when it is there but cannot be read, as a
// rewrite would then lose the user's other defaults.
bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!fileio::ReadWholeFile(path, bytes)) {
    std::error_code error;
    return !fs::exists(path, error) && !error;
  }
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return true;
}

bool EditMimeAppsFile(const std::string& path, bool add) {
  std::vector<std::string> lines;
  return ReadLines(path, lines) && Write(path, EditMimeApps(lines, add));
}

bool IsOurDefault(const std::string& line) {
  for (const FileType& t : kTypes)
    if (line == std::string(t.mime) + "=" + kDesktopName) return true;
  return false;
}

// mimeapps.list with our defaults taken out, then (when `add`) put back
// under [Default Applications], every other line kept.
std::string EditMimeApps(const std::vector<std::string>& lines, bool add) {
  std::vector<std::string> out;
  bool inDefaults = false;
  bool sawDefaults = false;
  for (const std::string& line : lines) {
    if (!line.empty() && line.front() == '[') inDefaults = line == kDefaultsSection;
    if (inDefaults && IsOurDefault(line)) continue;
    out.push_back(line);
    if (line == kDefaultsSection) {
      sawDefaults = true;
      if (add)
        for (const FileType& t : kTypes) out.push_back(std::string(t.mime) + "=" + kDesktopName);
    }
  }
  if (add && !sawDefaults) {
    out.push_back(kDefaultsSection);
    for (const FileType& t : kTypes) out.push_back(std::string(t.mime) + "=" + kDesktopName);
  }
  std::string text;
  for (const std::string& line : out) (text += line) += '\n';
  return text;
}

std::string HomeFolder(const char* variable, const char* fallback) {
  const char* value = std::getenv(variable);
  if (value != nullptr && *value == '/') return value;
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + fallback;
}

}  // namespace

XdgFolders CurrentXdgFolders() {
  return {HomeFolder("XDG_DATA_HOME", "/.local/share"), HomeFolder("XDG_CONFIG_HOME", "/.config")};
}

const std::vector<std::string>& ProgramMimeTypes() {
  static const std::vector<std::string> types = [] {
    std::vector<std::string> v;
    for (const FileType& t : kTypes) v.push_back(t.mime);
    return v;
  }();
  return types;
}

std::vector<std::string> AssociationFiles(const XdgFolders& f) {
  std::vector<std::string> files = {PackagePath(f), DesktopPath(f), AppIconPath(f)};
  for (const FileType& t : kTypes) files.push_back(MimeIconPath(f, t.mime));
  return files;
}

bool RegisterFileTypes(const XdgFolders& f, const std::string& program) {
  bool ok = Write(PackagePath(f), MimePackage());
  ok = Write(DesktopPath(f), DesktopEntry(program)) && ok;
  ok = Write(AppIconPath(f), Icon("Z")) && ok;
  for (const FileType& t : kTypes) ok = Write(MimeIconPath(f, t.mime), Icon(t.extension)) && ok;
  return EditMimeAppsFile(MimeAppsPath(f), true) && ok;
}

bool UnregisterFileTypes(const XdgFolders& f) {
  bool ok = true;
  for (const std::string& path : AssociationFiles(f)) {
    std::error_code error;
    fs::remove(path, error);
    ok = ok && !error;
  }
  if (fs::exists(MimeAppsPath(f))) ok = EditMimeAppsFile(MimeAppsPath(f), false) && ok;
  return ok;
}

}  // namespace zv::chrome
