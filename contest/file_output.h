// Writing files so that no failure leaves part of one: a rewrite that fails
// (a full disk, a file that cannot be replaced) or is cut short leaves the
// earlier file whole, and an append cut short leaves no half line.
#pragma once

#include <string>

// Adds `text` at the end of the file, created if missing, in one write call,
// so that a process killed meanwhile leaves all of it or none.  A write cut
// short (a full disk) is taken back: the file is cut to its length before.
// False when the file cannot be opened, also after a moment's wait for
// another program that holds it (contest/held_file.h), or not all of `text`
// was written.
bool AppendInOneWrite(const std::string& fileName, const std::string& text);

// Whether a replacement's new file is forced to the disk before it takes the
// old one's place.  Without it a power cut soon after may keep the move and
// lose the bytes, and so the earlier file too.
enum class Flush { kNo, kBeforeMove };

// Makes the file hold exactly `text`: the text goes whole into a new file
// beside it (its name plus ".tmp"), which then takes its place in one step.
// The new file's creation and the move wait a moment for another program
// that holds a file.  False when any step fails; the earlier file then stays
// as it was and the new one is gone.
bool ReplaceInOneStep(const std::string& fileName, const std::string& text, Flush flush);

// The platform calls of these writes, one definition per platform:
// contest/win32/ in the DLL, contest/posix/ in the native builds.
// Puts the file `from` in place of `to` in one step, replacing it; both lie
// in one folder.
bool MoveIntoPlace(const std::string& from, const std::string& to);
// Forces what was written to the open file `file` onto the disk.
bool FlushToDisk(int file);
