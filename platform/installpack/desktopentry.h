#pragma once

#include <string>
#include <vector>

namespace installpack {

// A shortcut as a freedesktop application entry: what it starts (program
// and arguments, quoted as the entry format wants) and in which folder.
struct DesktopEntry {
    std::string name;
    std::string comment;
    std::vector<std::string> command;  // program first
    std::string workingFolder;

    std::string ToText() const;
};

// One argument of an Exec line: quoted when it holds a reserved character,
// with the characters that must be escaped inside quotes escaped, and a
// percent sign doubled so that it is not taken for a field code.
std::string QuoteExecArgument(const std::string& argument);

// A string value of an entry: backslash and line breaks escaped.
std::string EscapeEntryValue(const std::string& value);

// The menu folder's own entry (a .directory file).
std::string DirectoryEntryText(const std::string& name);

// The menu file merged into the applications menu that shows the entries
// as their own folder.
std::string MenuMergeText(const std::string& folderName, const std::string& directoryFile,
                          const std::vector<std::string>& desktopFileIds);

}  // namespace installpack
