#include "settings/settings.h"

#include <cstdlib>

#include "contest/lock_rule.h"

int Settings::ReadInt(const std::string& key) { return std::atoi(ReadText(key, "").c_str()); }

std::string Settings::ReadText(const std::string& key, const std::string& fallback) {
    LockRule::ExpectNoLock("Settings::ReadText");
    std::string value = m_store.Read(key, fallback);
    if (value.size() > kMaxText) value.resize(kMaxText);
    return value;
}

void Settings::WriteInt(const std::string& key, int value) {
    WriteText(key, std::to_string(value));
}

void Settings::WriteText(const std::string& key, const std::string& value) {
    LockRule::ExpectNoLock("Settings::WriteText");
    m_store.Write(key, value);
}
