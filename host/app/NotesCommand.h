// NotesCommand: `pagehost notes DOC [--json]`: the Notes panel's tree in text: the pages that hold
// annotations, master pages first, and under each page its annotations in the page list's order
// with their kind, author, date and note text; a text markup also with the text it marks as it
// stands in its story now (the JSON adds each annotation's id, page, story and range, and the bounds of a
// page item).
#pragma once

#include <CLI/CLI.hpp>

#include <string>

#include <nlohmann/json.hpp>

#include "host/database/UIDRef.h"

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
    // The story, range and text of a text markup, asked of the plug-in's view utilities.
    static void AddMarkedText(const UIDRef& annotation, nlohmann::ordered_json* note);
    // The bounds of a page-item annotation, as [left, top, right, bottom] in points from the
    // left-top corner of its page.
    static void AddBounds(const UIDRef& annotation, UID page, nlohmann::ordered_json* note);

    CLI::App* fCommand = nullptr;
    std::string fDocument;
    bool fJson = false;
};
