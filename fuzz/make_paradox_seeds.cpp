// Writes a few weight logs and their indexes, as the program writes them,
// into the folder given as the only argument: seeds for the reader's fuzzer.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "db/paradox/indexwriter.h"
#include "db/paradox/tablewriter.h"
#include "db/paradox/weightlog.h"

namespace {

bool Save(const std::string& path, const std::vector<std::byte>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

db::paradox::TableImage Log(std::int32_t entries, std::uint8_t version) {
    db::paradox::TableImage table = db::paradox::NewWeightLog();
    table.version = version;
    for (std::int32_t i = 0; i < entries; ++i) {
        table.records.push_back(
            {db::Date{730120 + i}, 150.0 + 0.1 * (i % 50) - (i == 3 ? 300 : 0)});
    }
    if (entries > 1) {
        table.records[1][1] = std::monostate{};
    }
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    struct Seed {
        const char* name;
        std::int32_t entries;
        std::uint8_t version;
    };
    for (const Seed& seed : {Seed{"empty", 0, 0x09}, Seed{"one", 1, 0x09}, Seed{"five", 5, 0x0C},
                             Seed{"twoblocks", 171, 0x09}, Seed{"threeblocks", 400, 0x0B}}) {
        const db::paradox::TableImage table = Log(seed.entries, seed.version);
        const std::string base = folder + "/" + seed.name;
        if (!Save(base + ".db", db::paradox::WriteTable(table, std::string(seed.name) + ".db")) ||
            !Save(base + ".PX", db::paradox::WriteIndex(table, std::string(seed.name) + ".PX"))) {
            std::perror(base.c_str());
            return 1;
        }
    }
    return 0;
}
