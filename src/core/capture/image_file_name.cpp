#include "core/capture/image_file_name.h"

std::string FindFreeImagePath(const std::string& directory,
                              const std::function<bool(const std::string&)>& exists)
{
    for (int n = 0; n < IMAGE_NUMBER_LIMIT; ++n) {
        const std::string path = directory + std::to_string(n) + ".bmp";
        // Names only grow with n: once one is too long, all later ones are.
        if (path.size() > IMAGE_PATH_MAX_BYTES) return std::string();
        if (!exists(path)) return path;
    }
    return std::string();
}
