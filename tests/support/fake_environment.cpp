#include "tests/support/fake_environment.h"

#include <dirent.h>
#include <fnmatch.h>

std::vector<std::string> FakeEnvironment::DoFindFiles(const std::string& pattern) {
    patterns.push_back(pattern);
    const size_t slash = pattern.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (fnmatch(mask.c_str(), entry->d_name, 0) == 0) names.emplace_back(entry->d_name);
        }
        closedir(dir);
    }
    return names;
}

bool FakeEnvironment::DoEdit(CabrilloHeader& header) {
    shownHeaders.push_back(header);
    return dialog(header);
}

StationKinds FakeEnvironment::ResetMaps(StationKinds removed) {
    const StationKinds reset = removed & openMaps;
    if (reset != 0) mapResets.push_back(reset);
    return reset;
}

std::string MapProfileStore::Read(const std::string& key, const std::string& fallback) {
    auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
}

void MapProfileStore::Write(const std::string& key, const std::string& value) {
    values[key] = value;
    writes.push_back(key);
}
