#include "core/capture/image_folder_text.h"

#include "core/base/cp932.h"

std::string TrimTrailingSeparators(const std::string& folder)
{
    std::string::size_type end = 0;  // one past the last character that is not a separator
    for (std::string::size_type i = 0; i < folder.size(); ++i) {
        const auto c = static_cast<unsigned char>(folder[i]);
        if (IsCp932LeadByte(c) && i + 1 < folder.size()) {
            ++i;  // the trail byte belongs to this character
            end = i + 1;
        } else if (c != '\\' && c != '/') {
            end = i + 1;
        }
    }
    return folder.substr(0, end);
}

std::string ImageDirectory(const std::string& folder)
{
    return TrimTrailingSeparators(folder) + "\\";
}
