// A fresh folder under the Windows temp folder that is the current
// directory while the object lives (the plug-in writes relative names).
#pragma once

#include <string>

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }  // ends with '\'
    static bool Exists(const std::string& name);
    static std::string Read(const std::string& name);  // whole file, bytes as they are
    static void Write(const std::string& name, const std::string& content);

  private:
    std::string m_path;
    std::string m_previous;
};
