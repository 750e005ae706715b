#pragma once
// The content store beside the executable: the content root and the relative paths of every
// file the program opens. A content path is the root followed directly by a relative path,
// formed anew on every use and never checked for existence. Relative paths are stored with the
// backslash as separator, as the course was laid out; they become native paths here.
#include <array>
#include <string>
#include <string_view>

namespace tavra::content {

// The folder of an executable path: every character up to and including the last separator
// ('/' here; '\' and ':' too, for paths written the other platform's way).
std::string rootOfExecutable(std::string_view executablePath);
// The folder of the running executable, as the system reports it (not the current directory).
std::string root();
// Turns a stored relative path into a native one (backslashes become slashes).
std::string nativeRelative(std::string_view stored);
// root + native(relative), plain concatenation.
std::string path(std::string_view storedRelative);
std::string pathUnder(std::string_view root, std::string_view storedRelative);

// The 35 pages of "mat\", one per table-of-contents node, in table order.
extern const std::array<std::string_view, 35> kTocPages;
// The 9 pages of "pril\".
extern const std::array<std::string_view, 9> kAppendixPages;

constexpr std::string_view kGlossary = "mat\\gloss.mht";
constexpr std::string_view kHelp = "help.mht";
constexpr std::string_view kTestStart = "test\\priv.mht";
constexpr std::string_view kBanner = "flash.swf";
constexpr std::string_view kSkins = "skins";
// Opened relative to the current directory, not the content root, with a forward slash.
constexpr std::string_view kMarkOk = "dmat/ok.png";
constexpr std::string_view kMarkNo = "dmat/no.png";

// "mat\<page>" for a table-of-contents page.
std::string tocPage(int index);
// "prim\gN.mht", "zd\gN.mht", "vop\gN.mht" for chapter 1 to 4.
std::string examplesPage(int chapter);
std::string tasksPage(int chapter);
std::string questionsPage(int chapter);
// "pril\<page>".
std::string appendixPage(std::string_view name);
// "test\vV\N.mht" for variant 1 to 3 and question 1 to 10.
std::string testQuestion(int variant, int question);

}  // namespace tavra::content
