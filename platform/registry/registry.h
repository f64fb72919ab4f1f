#pragma once

#include <memory>
#include <optional>
#include <string>

#include "registry/registrylocations.h"
#include "registry/regtree.h"
#include "registry/rootkey.h"
#include "sysutils/exceptions.h"

namespace registry {

class RegistryBackend;

// A value that cannot be read as asked, or a write that failed.
class ERegistryException : public sysutils::Exception {
public:
    using Exception::Exception;
};

enum class RegDataType { None, String, ExpandString, Integer, Binary, Unknown };

// The registry accessor: opens one key of a root at a time and reads and
// writes its values by type. Every call goes to the store itself; nothing is
// cached, so a key may be opened and closed around each read or write. Texts
// are UTF-8. A text is written without a terminating zero byte and read up to
// the first zero byte; data sizes count those UTF-8 bytes. Value names are
// case-insensitive; "" is the key's unnamed value.
class TRegistry {
public:
    explicit TRegistry(RootKey root = RootKey::CurrentUser);
    // Off Windows, the registry files are taken from `locations`.
    TRegistry(RootKey root, const RegistryLocations& locations);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // A path with a leading backslash starts at the root, one without it
    // below the open key; a trailing backslash adds no level. Returns false
    // when the key is missing (and not to be created) or cannot be created;
    // the key opened before then stays open.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();

    bool ValueExists(const std::string& name) const;
    RegDataType GetDataType(const std::string& name) const;  // None when missing
    int GetDataSize(const std::string& name) const;          // -1 when missing

    // The reads throw ERegistryException when the value is missing or of
    // another type.
    std::string ReadString(const std::string& name) const;  // REG_SZ or REG_EXPAND_SZ
    int ReadInteger(const std::string& name) const;         // REG_DWORD
    // Copies a REG_BINARY value into the buffer and returns its size; throws
    // when it is larger than `size`.
    int ReadBinaryData(const std::string& name, void* buffer, int size) const;

    // The writes throw ERegistryException when no key is open or the store
    // cannot be written.
    void WriteString(const std::string& name, const std::string& value);
    void WriteExpandString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, int value);
    void WriteBinaryData(const std::string& name, const void* buffer, int size);

private:
    std::optional<RegValue> Query(const std::string& name) const;
    RegValue ReadValue(const std::string& name) const;
    void Put(RegValue value);

    std::unique_ptr<RegistryBackend> backend_;
    std::optional<std::string> currentPath_;
};

}  // namespace registry
