#pragma once

#include <memory>
#include <optional>
#include <string>

#include "registry/registrylocations.h"
#include "registry/regtree.h"
#include "registry/rootkey.h"

namespace registry {

// One root of a registry as TRegistry sees it: keys holding values as a type
// and raw bytes, texts as UTF-8. TRegistry adds the typed reads and writes.
class RegistryBackend {
public:
    virtual ~RegistryBackend() = default;

    // Opens the key at a path relative to the root, its levels joined by
    // backslashes ("" is the root itself). On failure the key opened before
    // stays open.
    virtual bool OpenKey(const std::string& path, bool canCreate) = 0;
    virtual void CloseKey() = 0;
    // A value of the open key; nothing when it is missing or cannot be read.
    virtual std::optional<RegValue> QueryValue(const std::string& name) = 0;
    // False when the value cannot be written.
    virtual bool SetValue(const RegValue& value) = 0;
};

// The system's registry on Windows, the registry files elsewhere.
std::unique_ptr<RegistryBackend> MakeRegistryBackend(RootKey root,
                                                     const RegistryLocations& locations);

}  // namespace registry
