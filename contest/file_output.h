// Writing files so that no failure leaves part of one: a rewrite that fails
// (a full disk, a file that cannot be replaced) or is cut short leaves the
// earlier file whole, and an append cut short leaves no half line.
#pragma once

#include <string>

// Adds `text` at the end of the file, created if missing, in one write call,
// so that a process killed meanwhile leaves all of it or none.  False when
// the file cannot be opened or not all of `text` was written.
bool AppendInOneWrite(const std::string& fileName, const std::string& text);

// Makes the file hold exactly `text`: the text goes whole into a new file
// beside it (its name plus ".tmp"), which then takes its place in one step.
// False when any step fails; the earlier file then stays as it was and the
// new one is gone.
bool ReplaceInOneStep(const std::string& fileName, const std::string& text);

// Puts the file `from` in place of `to` in one step, replacing it; both lie
// in one folder.  One definition per platform: contest/win32/ in the DLL,
// contest/posix/ in the native builds.
bool MoveIntoPlace(const std::string& from, const std::string& to);
