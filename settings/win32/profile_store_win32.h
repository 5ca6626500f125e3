// The settings store over the platform's profile-string functions.
#pragma once

#include <string>
#include <utility>

#include "settings/settings.h"

class ProfileStoreWin32 : public ProfileStore {
  public:
    // The file name as handed to the profile functions: a relative name
    // resolves against the process's current directory.
    explicit ProfileStoreWin32(std::string file = Settings::kFile,
                               std::string section = Settings::kSection)
        : m_file(std::move(file)), m_section(std::move(section)) {}

    std::string Read(const std::string& key, const std::string& fallback) override;
    void Write(const std::string& key, const std::string& value) override;

  private:
    std::string m_file;
    std::string m_section;
};
