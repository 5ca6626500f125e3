#include "tests/support/temp_folder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// Under the system's temp folder, named after the process and a counter.
std::string MakeFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = GetTickCount();; ++attempt) {
        const std::string candidate = std::string(base) + "kolvex-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(attempt) + "\\";
        if (CreateDirectoryA(candidate.c_str(), nullptr)) return candidate;
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("temp folder");
    }
}
#else
// In memory where the system offers it: the tests write many small files.
std::string MakeFolder() {
    const bool inMemory = std::filesystem::is_directory("/dev/shm");
    std::string pattern = inMemory ? "/dev/shm/kolvex-test-XXXXXX" : "/tmp/kolvex-test-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) throw std::runtime_error("mkdtemp");
    return pattern + "/";
}
#endif

}  // namespace

TempFolder::TempFolder()
    : m_path(MakeFolder()), m_previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

bool TempFolder::Exists(const std::string& name) {
    std::error_code ignored;
    return std::filesystem::exists(name, ignored);
}

std::string TempFolder::Read(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void TempFolder::Write(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}
