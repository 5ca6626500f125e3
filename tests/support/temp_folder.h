// A fresh folder that is the current directory while the object lives.
#pragma once

#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }  // ends with '/'
    static std::string Read(const std::string& name);   // whole file, bytes as they are
    static void Write(const std::string& name, const std::string& content);

  private:
    std::string m_path;
    std::string m_previous;
};
