#include "installpack/installlog.h"

#include <array>
#include <fstream>
#include <sstream>

#include "installpack/einstallerror.h"

namespace installpack {

namespace {

constexpr const char* kHeader = "install log 1";
constexpr std::array<const char*, 4> kKindNames = {"file", "shared", "folder", "record"};

// Fields are separated by tabs; a tab, line break or percent sign inside a
// field is written as %09, %0A or %25.
std::string Escape(const std::string& field) {
    std::string text;
    for (char c : field) {
        switch (c) {
            case '\t':
                text += "%09";
                break;
            case '\n':
                text += "%0A";
                break;
            case '\r':
                text += "%0D";
                break;
            case '%':
                text += "%25";
                break;
            default:
                text += c;
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    throw EInstallError("The installation log is damaged");
}

std::string Unescape(const std::string& field) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            text += field[i];
            continue;
        }
        if (i + 2 >= field.size()) {
            throw EInstallError("The installation log is damaged");
        }
        text += static_cast<char>(HexDigit(field[i + 1]) * 16 + HexDigit(field[i + 2]));
        i += 2;
    }
    return text;
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(line.substr(start, tab - start)));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

InstallLog::Entry ParseEntry(const std::vector<std::string>& fields) {
    InstallLog::Entry entry;
    std::size_t kind = 0;
    while (kind < kKindNames.size() && fields[0] != kKindNames[kind]) {
        ++kind;
    }
    const std::array<std::size_t, 4> sizes = {3, 2, 2, 4};
    if (kind == kKindNames.size() || fields.size() != sizes[kind]) {
        throw EInstallError("The installation log is damaged");
    }
    entry.kind = static_cast<InstallLog::Kind>(kind);
    if (entry.kind == InstallLog::Kind::Record) {
        entry.key = fields[1];
        entry.name = fields[2];
        entry.value = fields[3];
    } else {
        entry.path = fields[1];
        if (entry.kind == InstallLog::Kind::File) {
            entry.digest = fields[2];
        }
    }
    return entry;
}

std::string EntryLine(const InstallLog::Entry& entry) {
    std::string line = kKindNames[static_cast<std::size_t>(entry.kind)];
    if (entry.kind == InstallLog::Kind::Record) {
        return line + '\t' + Escape(entry.key) + '\t' + Escape(entry.name) + '\t' +
               Escape(entry.value);
    }
    line += '\t' + Escape(entry.path.string());
    if (entry.kind == InstallLog::Kind::File) {
        line += '\t' + Escape(entry.digest);
    }
    return line;
}

}  // namespace

std::string InstallLog::ToText() const {
    std::string text = std::string(kHeader) + '\n';
    text += "title\t" + Escape(title) + '\n';
    text += "records\t" + Escape(machineRecords.string()) + '\n';
    for (const Entry& entry : entries) {
        text += EntryLine(entry) + '\n';
    }
    return text;
}

InstallLog InstallLog::FromText(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kHeader) {
        throw EInstallError("The installation log is damaged");
    }
    InstallLog log;
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitFields(line);
        if (fields[0] == "title" && fields.size() == 2) {
            log.title = fields[1];
        } else if (fields[0] == "records" && fields.size() == 2) {
            log.machineRecords = fields[1];
        } else {
            log.entries.push_back(ParseEntry(fields));
        }
    }
    return log;
}

InstallLog InstallLog::Load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw EInstallError("The installation log '" + file.string() + "' cannot be read");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return FromText(text.str());
}

}  // namespace installpack
