// makeexampledata <entries.csv> <folder>: writes the example weight log
// "Example Data.db" with its index "Example Data.PX" into the folder, from a
// text file of "YYYY-MM-DD,pounds" lines ('#' starts a comment, a line
// "DATE,WEIGHT" heads the entries). The log is made by the program's own
// engine, so it is exactly what the program reads and writes.
#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "db/paradox/paradoxengine.h"

namespace {

struct Entry {
    std::chrono::sys_days day;
    double pounds;
};

int Number(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    const char* begin = text.data() + from;
    const auto [end, error] = std::from_chars(begin, begin + count, value);
    if (error != std::errc() || end != begin + count) {
        throw std::runtime_error("not a date: " + text);
    }
    return value;
}

Entry ParseLine(const std::string& line) {
    const std::size_t comma = line.find(',');
    if (comma != 10 || line[4] != '-' || line[7] != '-') {
        throw std::runtime_error("not an entry: " + line);
    }
    const std::chrono::year_month_day date{
        std::chrono::year{Number(line, 0, 4)},
        std::chrono::month{static_cast<unsigned>(Number(line, 5, 2))},
        std::chrono::day{static_cast<unsigned>(Number(line, 8, 2))}};
    if (!date.ok()) {
        throw std::runtime_error("not a date: " + line);
    }
    std::size_t used = 0;
    const double pounds = std::stod(line.substr(comma + 1), &used);
    if (used != line.size() - comma - 1 || pounds < 0 || pounds > 999.5) {
        throw std::runtime_error("not a weight: " + line);
    }
    return {std::chrono::sys_days{date}, pounds};
}

std::vector<Entry> ReadEntries(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    std::vector<Entry> entries;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#' || line == "DATE,WEIGHT") {
            continue;
        }
        entries.push_back(ParseLine(line));
    }
    return entries;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: makeexampledata <entries.csv> <folder>\n";
        return 2;
    }
    try {
        const std::vector<Entry> entries = ReadEntries(argv[1]);
        const std::string log = (std::filesystem::path(argv[2]) / "Example Data.db").string();
        db::paradox::ParadoxEngine engine;
        engine.create(log, {{"DATE", db::FieldType::Date, 0}, {"WEIGHT", db::FieldType::Number, 0}},
                      {{"PRIMARY", {"DATE"}, true, true}});
        auto table = engine.open(log);
        for (const Entry& entry : entries) {
            table->insert({db::ToEngineDate(entry.day), entry.pounds});
        }
        table->flush();
    } catch (const std::exception& error) {
        std::cerr << "makeexampledata: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
