#include "tempfolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool saveEnv(const char* name, std::string& saved) {
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return false;
    }
    saved = value;
    return true;
}

void restoreEnv(const char* name, bool had, const std::string& saved) {
    if (had) {
        ::setenv(name, saved.c_str(), 1);
    } else {
        ::unsetenv(name);
    }
}

}  // namespace

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "bodelog-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    // A test may have left read-only folders behind; make them writable first.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(path_, ec);
}

std::string ReadTextFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteTextFile(const fs::path& file, const std::string& text) {
    if (file.has_parent_path()) {
        fs::create_directories(file.parent_path());
    }
    std::ofstream(file, std::ios::binary) << text;
}

TempHomeTest::TempHomeTest() {
    hadHome_ = saveEnv("HOME", savedHome_);
    hadConfig_ = saveEnv("XDG_CONFIG_HOME", savedConfig_);
    hadData_ = saveEnv("XDG_DATA_HOME", savedData_);
    savedCwd_ = fs::current_path().string();
    ::setenv("HOME", home().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", configHome().c_str(), 1);
    ::setenv("XDG_DATA_HOME", dataHome().c_str(), 1);
    fs::current_path(home());
}

TempHomeTest::~TempHomeTest() {
    fs::current_path(savedCwd_);
    restoreEnv("HOME", hadHome_, savedHome_);
    restoreEnv("XDG_CONFIG_HOME", hadConfig_, savedConfig_);
    restoreEnv("XDG_DATA_HOME", hadData_, savedData_);
}
