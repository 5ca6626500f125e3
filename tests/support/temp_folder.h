// A fresh folder that is the current directory while the object lives (the
// plug-in writes relative names): in memory on Linux where it can be, under
// the temp folder on Windows.
#pragma once

#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }  // ends with the separator
    static bool Exists(const std::string& name);
    static std::string Read(const std::string& name);  // whole file, bytes as they are
    static void Write(const std::string& name, const std::string& content);

  private:
    std::string m_path;
    std::string m_previous;
};
