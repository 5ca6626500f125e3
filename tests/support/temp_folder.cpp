#include "tests/support/temp_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempFolder::TempFolder() {
    // In memory where the system offers it: the tests write many small files.
    const bool inMemory = std::filesystem::is_directory("/dev/shm");
    std::string pattern = inMemory ? "/dev/shm/kolvex-test-XXXXXX" : "/tmp/kolvex-test-XXXXXX";
    char* tmpl = &pattern[0];
    if (mkdtemp(tmpl) == nullptr) throw std::runtime_error("mkdtemp");
    m_path = std::string(tmpl) + "/";
    m_previous = std::filesystem::current_path().string();
    std::filesystem::current_path(m_path);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(m_path, ignored);
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
