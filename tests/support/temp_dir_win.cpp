#include "tests/support/temp_dir_win.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {
std::string CurrentDirectory() {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, path);
    return path;
}
}  // namespace

TempDir::TempDir() : m_previous(CurrentDirectory()) {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    for (unsigned attempt = GetTickCount(); m_path.empty(); ++attempt) {
        std::string candidate = std::string(base) + "kolvex-" +
                                std::to_string(GetCurrentProcessId()) + "-" +
                                std::to_string(attempt) + "\\";
        if (CreateDirectoryA(candidate.c_str(), nullptr))
            m_path = candidate;
        else if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("temp folder");
    }
    SetCurrentDirectoryA(m_path.c_str());
}

TempDir::~TempDir() {
    SetCurrentDirectoryA(m_previous.c_str());
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

bool TempDir::Exists(const std::string& name) {
    return GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempDir::Read(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void TempDir::Write(const std::string& name, const std::string& content) {
    std::ofstream(name, std::ios::binary) << content;
}
