// InfoCommand: `pagehost info DOC`: the document's spreads and pages, master spreads, layers,
// swatches, page items and stories (with their tables), as plain text.
#pragma once

#include <cstdio>
#include <string>

#include "host/database/UID.h"

class IDataBase;

class InfoCommand {
public:
    explicit InfoCommand(std::string documentPath) : fDocumentPath(std::move(documentPath)) {}
    int Run() const;

private:
    void PrintSpreads(IDataBase* db) const;
    void PrintMasters(IDataBase* db) const;
    void PrintLayers(IDataBase* db) const;
    void PrintSwatches(IDataBase* db) const;
    void PrintStories(IDataBase* db) const;
    void PrintItems(IDataBase* db, UID spread, const std::string& owner) const;

    std::string fDocumentPath;
};
