#include "registry/regfile.h"

#include <charconv>
#include <optional>
#include <span>
#include <vector>

#include "registry/utf16.h"

namespace registry {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::size_t kHexLineWidth = 78;

using Bytes = std::vector<std::uint8_t>;

std::span<const std::uint8_t> AsBytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool IsTextType(std::uint32_t type) {
    return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The file's text as UTF-8, whatever its encoding.
std::string DecodeText(std::string_view raw) {
    if (raw.starts_with("\xFF\xFE")) {
        return AsText(Utf16LeToUtf8(AsBytes(raw.substr(2))));
    }
    if (raw.starts_with("\xEF\xBB\xBF")) {
        raw.remove_prefix(3);
    }
    return std::string(raw);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    return lines;
}

// Reads the hex number that makes up the whole text.
std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// One line of the file being read, with its number for messages.
class LineReader {
public:
    LineReader(std::string_view text, std::size_t number) : text_(text), number_(number) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw RegFileError("line " + std::to_string(number_) + ": " + what);
    }

    bool AtEnd() const { return pos_ >= text_.size(); }
    std::string_view Rest() const { return text_.substr(pos_); }
    void SkipBlanks() {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    bool Take(std::string_view prefix) {
        if (!Rest().starts_with(prefix)) {
            return false;
        }
        pos_ += prefix.size();
        return true;
    }

    // A quoted text with \\ and \" escapes; any other backslash stands for itself.
    std::string Quoted() {
        if (!Take("\"")) {
            Fail("expected a quoted text");
        }
        std::string out;
        while (!AtEnd()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return out;
            }
            if (c == '\\' && !AtEnd() && (text_[pos_] == '\\' || text_[pos_] == '"')) {
                out += text_[pos_++];
            } else {
                out += c;
            }
        }
        Fail("quoted text is not closed");
    }

    Bytes HexBytes() {
        Bytes out;
        std::string_view rest = Rest();
        pos_ = text_.size();
        while (!rest.empty()) {
            const auto comma = rest.find(',');
            const std::string_view token = Trim(rest.substr(0, comma));
            rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
            if (token.empty() && Trim(rest).empty() && comma != std::string_view::npos) {
                break;  // a comma that ends the list
            }
            const auto byte = ParseHex(token, 2);
            if (!byte) {
                Fail("'" + std::string(token) + "' is not a hex byte");
            }
            out.push_back(static_cast<std::uint8_t>(*byte));
        }
        return out;
    }

private:
    std::string_view text_;
    std::size_t number_;
    std::size_t pos_ = 0;
};

// The data part of a value line: what follows the equals sign.
RegValue ParseData(LineReader& line, bool wideText) {
    RegValue value;
    if (line.Rest().starts_with('"')) {
        const std::string text = line.Quoted();
        line.SkipBlanks();
        if (!line.AtEnd()) {
            line.Fail("unexpected text after the quoted value");
        }
        value.type = kRegSz;
        value.data.assign(text.begin(), text.end());
    } else if (line.Take("dword:")) {
        const auto number = ParseHex(Trim(line.Rest()), 8);
        if (!number) {
            line.Fail("a dword needs up to 8 hex digits");
        }
        value.type = kRegDword;
        for (int shift = 0; shift < 32; shift += 8) {
            value.data.push_back(static_cast<std::uint8_t>(*number >> shift));
        }
    } else if (line.Take("hex:")) {
        value.type = kRegBinary;
        value.data = line.HexBytes();
    } else if (line.Take("hex(")) {
        const std::string_view rest = line.Rest();
        const auto close = rest.find("):");
        const auto type =
            close == std::string_view::npos ? std::nullopt : ParseHex(rest.substr(0, close), 8);
        if (!type) {
            line.Fail("malformed hex(type)");
        }
        line.Take(rest.substr(0, close + 2));
        value.type = *type;
        value.data = line.HexBytes();
        if (wideText && IsTextType(value.type)) {
            value.data = Utf16LeToUtf8(value.data);
        }
    } else {
        line.Fail("unknown kind of value");
    }
    return value;
}

// Applies one value line to the key: sets the value or, with "=-", deletes it.
void ParseValueLine(LineReader& line, RegKey& key, bool wideText) {
    std::string name;
    if (!line.Take("@")) {
        name = line.Quoted();
    }
    line.SkipBlanks();
    if (!line.Take("=")) {
        line.Fail("expected '=' after the value name");
    }
    line.SkipBlanks();
    if (Trim(line.Rest()) == "-") {
        key.Remove(name);
        return;
    }
    RegValue value = ParseData(line, wideText);
    value.name = std::move(name);
    key.Set(std::move(value));
}

// Applies a section line: opens the key, or with "[-...]" removes it. Returns
// the index of the key that following values belong to, if any.
std::optional<std::size_t> ParseSection(const LineReader& line, std::string_view text,
                                        RegTree& tree) {
    const auto close = text.rfind(']');
    if (close == std::string_view::npos || !Trim(text.substr(close + 1)).empty()) {
        line.Fail("section is not closed with ']'");
    }
    std::string_view path = text.substr(1, close - 1);
    if (path.starts_with('-')) {
        tree.Remove(path.substr(1));
        return std::nullopt;
    }
    if (path.empty()) {
        line.Fail("empty key path");
    }
    const RegKey& key = tree.Create(path);
    return static_cast<std::size_t>(&key - tree.keys.data());
}

// Text for a quoted name or value.
std::string Escaped(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

void CheckOneLine(std::string_view text, std::string_view what) {
    if (text.find_first_of("\r\n") != std::string_view::npos) {
        throw RegFileError(std::string(what) + " with a line break cannot be written");
    }
}

bool FitsInQuotes(const Bytes& data) {
    for (const std::uint8_t b : data) {
        if (b == 0 || b == '\r' || b == '\n') {
            return false;
        }
    }
    return IsValidUtf8(data);
}

std::string Hex2(std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

// "prefix" followed by the bytes, broken with a backslash as lines fill up.
std::string HexLine(std::string line, std::span<const std::uint8_t> bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::string token = Hex2(bytes[i]);
        if (i + 1 < bytes.size()) {
            token += ',';
        }
        if (line.size() + token.size() > kHexLineWidth) {
            out += line + "\\\n";
            line = "  ";
        }
        line += token;
    }
    return out + line;
}

std::string TypeTag(std::uint32_t type) {
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, type, 16).ptr;
    return "hex(" + std::string(digits, end) + "):";
}

std::string ValueLine(const RegValue& value) {
    CheckOneLine(value.name, "a value name");
    std::string line = value.name.empty() ? "@=" : Escaped(value.name) + "=";
    if (value.type == kRegSz && FitsInQuotes(value.data)) {
        return line + Escaped(AsText(value.data));
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        line += "dword:";
        for (std::size_t i = 4; i-- > 0;) {
            line += Hex2(value.data[i]);
        }
        return line;
    }
    if (value.type == kRegBinary) {
        return HexLine(line + "hex:", value.data);
    }
    if (IsTextType(value.type)) {
        return HexLine(line + TypeTag(value.type), Utf8ToUtf16Le(value.data));
    }
    return HexLine(line + TypeTag(value.type), value.data);
}

}  // namespace

RegTree ParseRegFile(std::string_view raw) {
    const std::string text = DecodeText(raw);
    const std::vector<std::string_view> lines = SplitLines(text);
    const std::string_view header = lines.empty() ? std::string_view{} : Trim(lines[0]);
    if (header != kHeader && header != kOldHeader) {
        throw RegFileError("line 1: not a registry file");
    }
    const bool wideText = header == kHeader;
    RegTree tree;
    std::optional<std::size_t> key;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        std::string joined(Trim(lines[i]));
        if (joined.empty() || joined.starts_with(';')) {
            continue;
        }
        if (joined.starts_with('[')) {
            key = ParseSection(LineReader(joined, number), joined, tree);
            continue;
        }
        while (joined.ends_with('\\') && i + 1 < lines.size()) {
            joined.pop_back();
            joined += Trim(lines[++i]);
        }
        LineReader line(joined, number);
        if (!key) {
            line.Fail("value outside a key section");
        }
        ParseValueLine(line, tree.keys[*key], wideText);
    }
    return tree;
}

std::string SerializeRegFile(const RegTree& tree) {
    std::string out = std::string(kHeader) + "\n\n";
    for (const RegKey& key : tree.keys) {
        CheckOneLine(key.path, "a key path");
        if (key.path.empty() || key.path.starts_with('-')) {
            throw RegFileError("key path '" + key.path + "' cannot be written");
        }
        out += "[" + key.path + "]\n";
        for (const RegValue& value : key.values) {
            out += ValueLine(value) + "\n";
        }
        out += "\n";
    }
    return out;
}

}  // namespace registry
