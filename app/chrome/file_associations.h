#pragma once
// The program's file types for the desktop: the mime types of ".mpj",
// ".wt", ".wl" and ".wp" in $XDG_DATA_HOME/mime/packages, a desktop entry
// that opens them with the program, icons of ours, and the program as their
// default application in $XDG_CONFIG_HOME/mimeapps.list. Removing takes
// away exactly what registering wrote: other entries of mimeapps.list stay.
// Nothing is reported to the user; the caller refreshes the desktop's
// databases.

#include <string>
#include <vector>

namespace zv::chrome {

struct XdgFolders {
  std::string dataHome;    // $XDG_DATA_HOME, or ~/.local/share
  std::string configHome;  // $XDG_CONFIG_HOME, or ~/.config
};

// The folders of the environment now.
XdgFolders CurrentXdgFolders();

// The mime types of the program's files, in extension order.
const std::vector<std::string>& ProgramMimeTypes();

// Writes the files; `program` is the program's full path. False when a file
// could not be written (what was written stays; a second call completes it).
bool RegisterFileTypes(const XdgFolders& folders, const std::string& program);
bool UnregisterFileTypes(const XdgFolders& folders);

// The files RegisterFileTypes writes (mimeapps.list aside).
std::vector<std::string> AssociationFiles(const XdgFolders& folders);

}  // namespace zv::chrome
