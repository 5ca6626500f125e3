// Owner of a C stream, closed when the owner goes.  For reading: files are
// written through contest/file_output.h.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "contest/held_file.h"
#include "contest/lock_rule.h"

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

using CFile = std::unique_ptr<std::FILE, CFileCloser>;

// Null when the name is empty or the file cannot be opened, also after
// waiting a moment for another program that holds it.
inline CFile OpenCFile(const std::string& name, const char* mode) {
    LockRule::ExpectNoLock("OpenCFile");
    CFile file;
    if (name.empty()) return file;
    HeldFile::TryWhileHeld(HeldFile::Call::kOpen, name, [&] {
        file.reset(std::fopen(name.c_str(), mode));
        return file != nullptr;
    });
    return file;
}
