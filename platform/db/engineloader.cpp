#include "db/engineloader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <string>
#include <system_error>

#include "db/engine.h"
#include "registry/registry.h"

namespace db {

namespace {

constexpr const char* kEngineKey = "\\SOFTWARE\\Database Engine\\";
constexpr const char* kDriverFolderValue = "DLLPATH";
constexpr const char* kEntryPoint = "BodelogDatabaseEngine";

std::filesystem::path RecordedEngineFolder() {
    try {
        registry::TRegistry machine(registry::RootKey::LocalMachine);
        if (!machine.OpenKey(kEngineKey, false) || !machine.ValueExists(kDriverFolderValue)) {
            return {};
        }
        return machine.ReadString(kDriverFolderValue);
    } catch (const sysutils::Exception&) {
        return {};  // an unreadable record is as good as none: try beside the program
    }
}

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}

using EntryPoint = Engine* (*)();

}  // namespace

std::filesystem::path DriverFileName() {
    return "libbodelog_paradox.so";
}

std::vector<std::filesystem::path> EngineFolders() {
    std::vector<std::filesystem::path> folders;
    for (auto folder : {RecordedEngineFolder(), ProgramFolder()}) {
        if (!folder.empty()) {
            folders.push_back(std::move(folder));
        }
    }
    return folders;
}

Engine& LoadEngine(const std::vector<std::filesystem::path>& folders) {
    std::string reason = "no driver " + DriverFileName().string() + " in";
    for (const auto& folder : folders) {
        const auto library = folder / DriverFileName();
        reason += " '" + folder.string() + "'";
        if (!std::filesystem::exists(library)) {
            continue;
        }
        // Loaded once for the whole run: the engine's objects live in it.
        void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            throw EDBEngineError(std::string("The database engine could not be loaded: ") +
                                 ::dlerror());
        }
        auto entry = reinterpret_cast<EntryPoint>(::dlsym(handle, kEntryPoint));
        Engine* engine = entry != nullptr ? entry() : nullptr;
        if (engine == nullptr) {
            throw EDBEngineError("The database engine could not be loaded: '" + library.string() +
                                 "' is not a database driver");
        }
        return *engine;
    }
    throw EDBEngineError("The database engine could not be loaded: " + reason);
}

Engine& DatabaseEngine() {
    return LoadEngine(EngineFolders());
}

}  // namespace db
