#include "controls/shell/DriveRoot.h"

#include <cctype>

namespace mw {

std::string DriveRootOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) return path.substr(0, 2) + "\\";
    if (path.compare(0, 2, "\\\\") != 0) return "";
    const size_t server = path.find('\\', 2);
    if (server == std::string::npos || server == 2) return "";
    const size_t share = path.find('\\', server + 1);
    const std::string root = path.substr(0, share);
    if (root.size() == server + 1) return "";
    return root + "\\";
}

}  // namespace mw
