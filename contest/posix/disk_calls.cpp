#include <unistd.h>

#include <cstdio>

#include "contest/file_output.h"

// POSIX rename replaces an existing target atomically: whoever opens the
// name meets the old file or the new one, never a missing or partial one.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FlushToDisk(int file) { return fsync(file) == 0; }
