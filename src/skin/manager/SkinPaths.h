#pragma once
// The paths a skin manager forms from its skin folder text and a skin name. The folder text is
// kept as the program stores it (it may be written the other platform's way, "c:\Skins" or
// "..\skins"); the paths returned here are native ("/" separators), except a full path of the
// other platform (with a drive letter), which stays as written.
#include <string>
#include <string_view>

namespace tavra {

// The folder of the running executable with its final "/".
std::string executableFolder();

// The absolute skin folder for `skinDirectory`, without a final separator, relative to
// `appFolder` (the executable's folder with its final separator):
//   "..\x" or "../x"  the folder above appFolder, then x (the root's parent is the root itself);
//   ".\x" or "./x"    appFolder followed by x;
//   a relative name   appFolder followed by it (no ":", no leading "/", no "\\");
//   anything else     unchanged.
std::string resolveSkinDirectory(std::string_view appFolder, std::string_view skinDirectory);

// The package file of skin `name`: the folder text as stored (relative texts thus name folders
// under the current directory) with a final "/" (a single-character text names a drive and gets
// ":/"), then the name and ".asz". An empty folder text names the current directory.
std::string skinPackagePath(std::string_view skinDirectory, std::string_view name);

}  // namespace tavra
