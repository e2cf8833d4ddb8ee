// NotesCommand: `pagehost notes DOC [--json]`: the Notes panel's tree in text: the pages that hold
// annotations, master pages first, and under each page its annotations in the page list's order
// with their kind, author, date and note text.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include <nlohmann/json.hpp>

#include "host/database/UID.h"

class IDataBase;

class NotesCommand {
public:
    explicit NotesCommand(CLI::App& app);
    bool Parsed() const { return fCommand->parsed(); }
    int Run() const;

    // The name of an annotation type as the panel shows it ("sticky note", "highlight", ...).
    static std::string KindName(int32 type);

private:
    static nlohmann::ordered_json Collect(IDataBase* db);
    static nlohmann::ordered_json Annotations(IDataBase* db, UID page);
    static std::string ToText(const nlohmann::ordered_json& pages);

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    bool fJson = false;
};
