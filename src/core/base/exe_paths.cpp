#include "core/base/exe_paths.h"

#include "core/base/cp932.h"

// Separators are found by walking characters, not bytes (see cp932.h).

std::string DirectoryOf(const std::string& path)
{
    std::string::size_type end = 0;  // one past the last separator
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        const auto c = static_cast<unsigned char>(path[i]);
        if (IsCp932LeadByte(c)) {
            ++i;  // skip the trail byte
        } else if (c == '\\' || c == '/') {
            end = i + 1;
        }
    }
    if (end == 0 && path.size() >= 2 && path[1] == ':') end = 2;  // "C:x.exe"
    return path.substr(0, end);
}

std::string PathBesideExecutable(const std::string& exePath, const std::string& name,
                                 const std::string& ext)
{
    std::string result = DirectoryOf(exePath) + name;
    if (!ext.empty()) {
        if (ext[0] != '.') result += '.';
        result += ext;
    }
    return result;
}
