// StringTable: the host's translation tables, filled from the plug-ins' string tables.
#pragma once

#include <map>
#include <string>

class StringTable {
public:
    static StringTable& Instance();

    // Adds key -> text for a language ("enUS"); answers false when the key is already there.
    bool Add(const std::string& language, const std::string& key, const std::string& text);
    bool Contains(const std::string& language, const std::string& key) const;
    // The text of key in the current language, or nullptr when there is none.
    const std::string* Lookup(const std::string& key) const;
    void RemoveKey(const std::string& language, const std::string& key);
    const std::string& GetLanguage() const { return fLanguage; }

private:
    std::string fLanguage = "enUS";
    std::map<std::string, std::map<std::string, std::string>> fTables;
};
