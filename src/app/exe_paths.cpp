#include "app/exe_paths.h"

namespace {

// In code page 932 the second byte of a double-byte character may be 0x5C,
// the backslash, so separators are found by walking characters, not bytes.
bool IsCp932LeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

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
