#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include "contest/file_output.h"
#include "contest/held_file.h"

// msvcrt's rename refuses a target that exists; MoveFileExA replaces it when
// told to.  Write-through: the call returns once the move is on the disk.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

// _commit hands the file's bytes to FlushFileBuffers, which returns once the
// disk holds them.
bool FlushToDisk(int file) { return _commit(file) == 0; }

// What a held file answers:
// - An open (_open, fopen) refused by the holder's sharing mode fails with
//   ERROR_SHARING_VIOLATION.  The C library keeps that code in _doserrno;
//   errno says only EACCES, as it does for a read-only file, a folder or a
//   denied access (ERROR_ACCESS_DENIED).  A range another program locked
//   refuses the read or write that reaches it (ERROR_LOCK_VIOLATION), never
//   the open or the move, so no call here waits for one.
// - A move fails with ERROR_SHARING_VIOLATION when the new file is held, and
//   with ERROR_ACCESS_DENIED when the file it replaces is open.  That code
//   also means a read-only file or a folder in the way, told apart by the
//   attributes of what is there (as Git for Windows does before it retries).
// Wine 8 answers with the same codes, but it refuses to replace a file that
// is open at all (Windows replaces one shared for deletion), and as root it
// opens and replaces a read-only file as if it were not.
bool HeldFile::RefusedAsHeld(Call call, const std::string& name) {
    const DWORD error = call == Call::kOpen ? _doserrno : GetLastError();
    if (error == ERROR_SHARING_VIOLATION) return true;
    if (call != Call::kMove || error != ERROR_ACCESS_DENIED) return false;
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

void HeldFile::Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }
