#include <io.h>
#include <windows.h>

#include "contest/file_output.h"

// msvcrt's rename refuses a target that exists; MoveFileExA replaces it when
// told to.  Write-through: the call returns once the move is on the disk.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// _commit hands the file's bytes to FlushFileBuffers, which returns once the
// disk holds them.
bool FlushToDisk(int file) { return _commit(file) == 0; }
