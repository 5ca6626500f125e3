// The plug-in's settings: section "Settings" of "Plugins\KOLVEX.ini".
// The store is the platform's profile functions in the DLL and a map in tests.
#pragma once

#include <string>

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // The value of the key, or `fallback` when the key is missing.
    virtual std::string Read(const std::string& key, const std::string& fallback) = 0;
    // Creates file and section as needed; a failed write is ignored.
    virtual void Write(const std::string& key, const std::string& value) = 0;
};

class Settings {
  public:
    static constexpr const char* kFile = "Plugins\\KOLVEX.ini";
    static constexpr const char* kSection = "Settings";
    static constexpr size_t kMaxText = 99;  // what a 100-byte read buffer holds; more is cut

    explicit Settings(ProfileStore& store) : m_store(store) {}

    int ReadInt(const std::string& key);  // missing, empty or not a number: 0
    bool ReadFlag(const std::string& key) { return ReadInt(key) != 0; }
    std::string ReadText(const std::string& key, const std::string& fallback);
    void WriteInt(const std::string& key, int value);
    void WriteFlag(const std::string& key, bool value) { WriteText(key, value ? "1" : "0"); }
    void WriteText(const std::string& key, const std::string& value);

  private:
    ProfileStore& m_store;
};
