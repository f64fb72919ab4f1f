#pragma once

#include <string_view>

namespace registry {

// The registry trees the program reaches: the user's own settings and the
// records that belong to the machine.
enum class RootKey { CurrentUser, LocalMachine };

// The name a registry file gives the root in its key paths.
constexpr std::string_view RootKeyName(RootKey root) {
    return root == RootKey::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

}  // namespace registry
