// Owner of a C stream: closed when the owner goes, or on purpose with
// CloseCFile, which tells whether the close wrote out the buffered bytes.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using CFile = std::unique_ptr<std::FILE, CFileCloser>;

// Null when the name is empty or the file cannot be opened.
inline CFile OpenCFile(const std::string& name, const char* mode) {
    if (name.empty()) return nullptr;
    return CFile(std::fopen(name.c_str(), mode));
}

// False when the file was not open or the close failed: a full disk may show
// only here, when the last buffer is written.
inline bool CloseCFile(CFile file) { return file && std::fclose(file.release()) == 0; }
