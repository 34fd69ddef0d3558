#include "vidur/WindowMessages.h"

#include <map>
#include <string>

int32_t RegisterWindowMessageA(const char* name) {
    static std::map<std::string, int32_t> ids;
    const auto [it, added] =
        ids.emplace(name ? name : "", 0xC000 + static_cast<int32_t>(ids.size()));
    (void)added;
    return it->second;
}
