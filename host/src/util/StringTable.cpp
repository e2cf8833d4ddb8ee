#include "host/util/StringTable.h"

StringTable& StringTable::Instance() {
    static StringTable table;
    return table;
}

bool StringTable::Add(const std::string& language, const std::string& key, const std::string& text) {
    return fTables[language].emplace(key, text).second;
}

bool StringTable::Contains(const std::string& language, const std::string& key) const {
    const auto table = fTables.find(language);
    return table != fTables.end() && table->second.count(key) > 0;
}

const std::string* StringTable::Lookup(const std::string& key) const {
    const auto table = fTables.find(fLanguage);
    if (table == fTables.end())
        return nullptr;
    const auto entry = table->second.find(key);
    return entry == table->second.end() ? nullptr : &entry->second;
}

void StringTable::RemoveKey(const std::string& language, const std::string& key) {
    const auto table = fTables.find(language);
    if (table != fTables.end())
        table->second.erase(key);
}
