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

bool OpenProfileKey(LPCSTR subkey, RegKey& key, REGSAM access) {
    return !g_root.empty() && key.Open(HKEY_CURRENT_USER, ProfilePath(subkey), access);
}

bool CreateProfileKey(LPCSTR subkey, RegKey& key) {
    return !g_root.empty() && key.Create(HKEY_CURRENT_USER, ProfilePath(subkey));
}

}  // namespace dormex

BOOL __cdecl Reg_InitProfile(LPCSTR profileRoot, LPCSTR /*userName*/) {
    dormex::g_root = profileRoot ? profileRoot : "";
    // A root given with a trailing separator would make every path "root\\sub".
    while (!dormex::g_root.empty() && dormex::g_root.back() == '\\') dormex::g_root.pop_back();
    return !dormex::g_root.empty();
}
