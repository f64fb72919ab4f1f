#include <exception>
#include <filesystem>
#include <vector>

#include "registry/regfileio.h"
#include "registry/registrybackend.h"

namespace registry {

namespace {

// A root kept in registry files: every call loads the file anew, and every
// write replaces it, so no state but the open key's path outlives a call.
class FileBackend final : public RegistryBackend {
public:
    FileBackend(RootKey root, const RegistryLocations& locations)
        : rootName_(RootKeyName(root)),
          filesToRead_(locations.FilesToRead(root)),
          fileToWrite_(locations.FileToWrite(root)) {}

    bool OpenKey(const std::string& path, bool canCreate) override {
        const std::string full = FullPath(path);
        try {
            if (path.empty() || ExistsInAnyFile(full)) {
                key_ = full;
                return true;
            }
            if (!canCreate || fileToWrite_.empty()) {
                return false;
            }
            RegTree tree = LoadRegFile(fileToWrite_);
            tree.Create(full);
            SaveRegFile(fileToWrite_, tree);
        } catch (const std::exception&) {
            return false;
        }
        key_ = full;
        return true;
    }

    void CloseKey() override { key_.clear(); }

    std::optional<RegValue> QueryValue(const std::string& name) override {
        try {
            for (const std::filesystem::path& file : filesToRead_) {
                const RegTree tree = LoadRegFile(file);
                const RegKey* key = tree.Find(key_);
                const RegValue* value = key == nullptr ? nullptr : key->Find(name);
                if (value != nullptr) {
                    return *value;
                }
            }
        } catch (const std::exception&) {
            // A file that cannot be read holds no value that can be read.
        }
        return std::nullopt;
    }

    bool SetValue(const RegValue& value) override {
        if (fileToWrite_.empty()) {
            return false;
        }
        try {
            RegTree tree = LoadRegFile(fileToWrite_);
            tree.Create(key_).Set(value);
            SaveRegFile(fileToWrite_, tree);
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }

private:
    std::string FullPath(const std::string& path) const {
        return path.empty() ? rootName_ : rootName_ + "\\" + path;
    }

    bool ExistsInAnyFile(const std::string& full) const {
        for (const std::filesystem::path& file : filesToRead_) {
            if (LoadRegFile(file).Exists(full)) {
                return true;
            }
        }
        return false;
    }

    std::string rootName_;
    std::vector<std::filesystem::path> filesToRead_;
    std::filesystem::path fileToWrite_;
    std::string key_;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend(RootKey root,
                                                     const RegistryLocations& locations) {
    return std::make_unique<FileBackend>(root, locations);
}

}  // namespace registry
