#include "DormexUtil.h"
#include "profile_root.h"

namespace dormex {
namespace {

std::string g_root;  // empty until Reg_InitProfile

std::string ProfilePath(LPCSTR subkey) {
    std::string path = g_root;
    if (subkey && *subkey) path.append("\\").append(subkey);
    return path;
}

}  // namespace

// Both are called from the C exports: a path that cannot be built (no memory)
// is a key that cannot be opened, not an exception.
bool OpenProfileKey(LPCSTR subkey, RegKey& key, REGSAM access) {
    try {
        return !g_root.empty() && key.Open(HKEY_CURRENT_USER, ProfilePath(subkey), access);
    } catch (...) {
        return false;
    }
}

bool CreateProfileKey(LPCSTR subkey, RegKey& key) {
    try {
        return !g_root.empty() && key.Create(HKEY_CURRENT_USER, ProfilePath(subkey));
    } catch (...) {
        return false;
    }
}

}  // namespace dormex

BOOL __cdecl Reg_InitProfile(LPCSTR profileRoot, LPCSTR /*userName*/) {
    try {
        dormex::g_root = profileRoot ? profileRoot : "";
    } catch (...) {
        dormex::g_root.clear();  // no profile rather than an exception in the caller
    }
    // A root given with a trailing separator would make every path "root\\sub".
    while (!dormex::g_root.empty() && dormex::g_root.back() == '\\') dormex::g_root.pop_back();
    return !dormex::g_root.empty();
}
