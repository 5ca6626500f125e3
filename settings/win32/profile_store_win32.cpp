#include "settings/win32/profile_store_win32.h"

#include <windows.h>

namespace {
// Room for the longest value and its terminator; longer values are cut.
constexpr DWORD kValueBuffer = Settings::kMaxText + 1;
}  // namespace

std::string ProfileStoreWin32::Read(const std::string& key, const std::string& fallback) {
    char buffer[kValueBuffer] = {};
    // Returns the number of characters copied, without the terminator; a
    // missing file, section or key copies the fallback (cut the same way).
    const DWORD copied = GetPrivateProfileStringA(m_section.c_str(), key.c_str(), fallback.c_str(),
                                                  buffer, kValueBuffer, m_file.c_str());
    return std::string(buffer, copied < kValueBuffer ? copied : kValueBuffer - 1);
}

void ProfileStoreWin32::Write(const std::string& key, const std::string& value) {
    // Creates the file and the section as needed, but not the folder; a
    // failed write is not reported.
    WritePrivateProfileStringA(m_section.c_str(), key.c_str(), value.c_str(), m_file.c_str());
}
