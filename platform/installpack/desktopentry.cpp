#include "installpack/desktopentry.h"

namespace installpack {

namespace {

constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

std::string XmlEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::string QuoteExecArgument(const std::string& argument) {
    std::string text;
    const bool quote = argument.empty() || argument.find_first_of(kReserved) != std::string::npos;
    for (char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            text += '\\';
        }
        text += c;
        if (c == '%') {
            text += '%';
        }
    }
    return quote ? '"' + text + '"' : text;
}

std::string EscapeEntryValue(const std::string& value) {
    std::string text;
    for (char c : value) {
        switch (c) {
            case '\\':
                text += "\\\\";
                break;
            case '\n':
                text += "\\n";
                break;
            case '\t':
                text += "\\t";
                break;
            case '\r':
                text += "\\r";
                break;
            default:
                text += c;
        }
    }
    return text;
}

std::string DesktopEntry::ToText() const {
    std::string exec;
    for (const std::string& argument : command) {
        exec += (exec.empty() ? "" : " ") + QuoteExecArgument(argument);
    }
    std::string text = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
    text += "Name=" + EscapeEntryValue(name) + "\n";
    if (!comment.empty()) {
        text += "Comment=" + EscapeEntryValue(comment) + "\n";
    }
    text += "Exec=" + EscapeEntryValue(exec) + "\n";
    text += "Path=" + EscapeEntryValue(workingFolder) + "\n";
    text += "Terminal=false\n";
    return text;
}

std::string DirectoryEntryText(const std::string& name) {
    return "[Desktop Entry]\nType=Directory\nVersion=1.0\nName=" + EscapeEntryValue(name) + "\n";
}

std::string MenuMergeText(const std::string& folderName, const std::string& directoryFile,
                          const std::vector<std::string>& desktopFileIds) {
    std::string text = "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n";
    text += "    <Name>" + XmlEscape(folderName) + "</Name>\n";
    text += "    <Directory>" + XmlEscape(directoryFile) + "</Directory>\n    <Include>\n";
    for (const std::string& id : desktopFileIds) {
        text += "      <Filename>" + XmlEscape(id) + "</Filename>\n";
    }
    text += "    </Include>\n  </Menu>\n</Menu>\n";
    return text;
}

}  // namespace installpack
