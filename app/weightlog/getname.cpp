#include "weightlog/getname.h"

namespace {

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

}  // namespace

std::string GetName(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return {};
    }
    const std::size_t separator = path.rfind(kFolderSeparator);
    const std::size_t start = separator == std::string::npos ? 0 : separator + 1;
    if (dot <= start) {
        return {};
    }
    return path.substr(start, dot - start);
}
