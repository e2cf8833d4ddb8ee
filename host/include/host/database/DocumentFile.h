// DocumentFile: reads and writes a document database as an SQLite file.
// One row per object: UID, class and the persistent sections of its implementations, plus
// metadata and the plug-ins whose data the document holds. A save is one transaction.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/ObjectIDs.h"

struct StoredObject {
    ClassID classID = kInvalidClass;
    std::vector<uint8> data;
};

// A plug-in whose data the document holds, with what to tell a user who lacks it.
struct PlugInDependency {
    PluginID id = 0;
    std::string name;
    std::string vendor;
    std::string notice;
};

struct DocumentFileContents {
    UID rootUID = kInvalidUID;
    UID nextUID = 1;
    std::map<UID, StoredObject> objects;
    std::vector<PlugInDependency> plugIns;
};

class DocumentFile {
public:
    enum Status { kOk, kNotFound, kNotADocument, kDamaged, kNewerVersion, kWriteFailed };
    struct Result {
        Status status = kOk;
        std::string message; // one sentence a person can act on
    };

    static Result Read(const std::string& path, DocumentFileContents* contents);
    // Replaces the file's contents in one transaction; the previous file survives a failure.
    static Result Write(const std::string& path, const DocumentFileContents& contents);
    // The refusal of a document whose contents are damaged; problem says what ("object 7 cannot be
    // read").
    static Result Damaged(const std::string& path, const std::string& problem);
};
