#ifdef _WIN32

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstring>
#include <span>
#include <vector>

#include "registry/registrybackend.h"
#include "registry/utf16.h"

namespace registry {

namespace {

std::span<const std::uint8_t> AsBytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::wstring Wide(const std::string& utf8) {
    const std::vector<std::uint8_t> bytes = Utf8ToUtf16Le(AsBytes(utf8));
    std::wstring wide(bytes.size() / 2, L'\0');
    std::memcpy(wide.data(), bytes.data(), bytes.size());
    return wide;
}

bool IsTextType(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// The system's registry. Texts cross over as UTF-16 and reach TRegistry as
// UTF-8, so its reads and writes behave as they do on the registry files.
class WindowsBackend final : public RegistryBackend {
public:
    explicit WindowsBackend(RootKey root)
        : root_(root == RootKey::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER) {}
    ~WindowsBackend() override { CloseKey(); }

    bool OpenKey(const std::string& path, bool canCreate) override {
        const std::wstring widePath = Wide(path);
        HKEY opened = nullptr;
        const LONG result =
            canCreate
                ? ::RegCreateKeyExW(root_, widePath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    KEY_READ | KEY_WRITE, nullptr, &opened, nullptr)
                : ::RegOpenKeyExW(root_, widePath.c_str(), 0, KEY_READ | KEY_WRITE, &opened);
        if (result != ERROR_SUCCESS) {
            return false;
        }
        CloseKey();
        key_ = opened;
        return true;
    }

    void CloseKey() override {
        if (key_ != nullptr) {
            ::RegCloseKey(key_);
            key_ = nullptr;
        }
    }

    std::optional<RegValue> QueryValue(const std::string& name) override {
        if (key_ == nullptr) {
            return std::nullopt;
        }
        const std::wstring wideName = Wide(name);
        DWORD type = 0;
        DWORD size = 0;
        if (::RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::vector<std::uint8_t> data(size);
        if (::RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        data.resize(size);
        if (IsTextType(type)) {
            data = Utf16LeToUtf8(data);
        }
        return RegValue{name, static_cast<std::uint32_t>(type), std::move(data)};
    }

    bool SetValue(const RegValue& value) override {
        if (key_ == nullptr) {
            return false;
        }
        const std::vector<std::uint8_t> data =
            IsTextType(value.type) ? Utf8ToUtf16Le(value.data) : value.data;
        return ::RegSetValueExW(key_, Wide(value.name).c_str(), 0, value.type, data.data(),
                                static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    }

private:
    HKEY root_;
    HKEY key_ = nullptr;
};

}  // namespace

std::unique_ptr<RegistryBackend> MakeRegistryBackend(RootKey root, const RegistryLocations&) {
    return std::make_unique<WindowsBackend>(root);
}

}  // namespace registry

#endif
