#include "contest/file_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "contest/held_file.h"
#include "contest/lock_rule.h"

namespace {

// Windows' C library translates line ends unless a file is opened as binary;
// elsewhere the flag does not exist and nothing is translated.
#ifdef O_BINARY
constexpr int kBinary = O_BINARY;
#else
constexpr int kBinary = 0;
#endif

// An empty name opens nothing: the bad-QSO file has none before the first
// reset.
int OpenForWriting(const std::string& fileName, int flags) {
    int file = -1;
    if (fileName.empty()) return file;
    HeldFile::TryWhileHeld(HeldFile::Call::kOpen, fileName, [&] {
        file = open(fileName.c_str(), O_WRONLY | O_CREAT | kBinary | flags, 0666);
        return file >= 0;
    });
    return file;
}

// No buffer of ours stands between `text` and the file: the one write call
// hands all of it to the system or reports what it could not, a full disk
// included.  A short write, answered with a smaller count or with -1, may
// have left part of `text` in the file all the same.
bool WriteWhole(int file, const std::string& text) {
    const auto written = write(file, text.data(), text.size());
    return written >= 0 && static_cast<size_t>(written) == text.size();
}

}  // namespace

bool AppendInOneWrite(const std::string& fileName, const std::string& text) {
    LockRule::ExpectNoLock("AppendInOneWrite");
    const int file = OpenForWriting(fileName, O_APPEND);
    if (file < 0) return false;
    // -1 for a length beyond the C library's offsets (2 GB on Windows): such
    // a file keeps what a short write left.
    const auto before = lseek(file, 0, SEEK_END);
    const bool whole = WriteWhole(file, text);
    if (!whole && before >= 0) (void)ftruncate(file, before);
    return close(file) == 0 && whole;
}

bool ReplaceInOneStep(const std::string& fileName, const std::string& text, Flush flush) {
    LockRule::ExpectNoLock("ReplaceInOneStep");
    if (fileName.empty()) return false;
    const std::string newFile = fileName + ".tmp";
    const int file = OpenForWriting(newFile, O_TRUNC);
    if (file < 0) return false;  // nothing made, nothing to remove
    bool whole = WriteWhole(file, text);
    if (whole && flush == Flush::kBeforeMove) whole = FlushToDisk(file);
    if (close(file) == 0 && whole && HeldFile::TryWhileHeld(HeldFile::Call::kMove, fileName, [&] {
            return MoveIntoPlace(newFile, fileName);
        }))
        return true;
    std::remove(newFile.c_str());
    return false;
}
