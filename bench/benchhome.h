#pragma once

#include <QTemporaryDir>

#include <filesystem>

// A temporary home, settings and working folder for a benchmark run, so no
// real settings or logs are touched; everything goes when it does.
namespace bench {

class BenchHome {
public:
    BenchHome();
    const std::filesystem::path& path() const { return path_; }

private:
    QTemporaryDir folder_;
    std::filesystem::path path_;
};

}  // namespace bench
