#include <time.h>
#include <unistd.h>

#include <cstdio>

#include "contest/file_output.h"
#include "contest/held_file.h"

// POSIX rename replaces an existing target atomically: whoever opens the
// name meets the old file or the new one, never a missing or partial one.
bool MoveIntoPlace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool FlushToDisk(int file) { return fsync(file) == 0; }

// POSIX files have no sharing modes: another program's open never refuses
// ours, so no refusal here is one that waiting could cure.
bool HeldFile::RefusedAsHeld(Call, const std::string&) { return false; }

void HeldFile::Pause(int milliseconds) {
    const timespec pause{milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    nanosleep(&pause, nullptr);
}
