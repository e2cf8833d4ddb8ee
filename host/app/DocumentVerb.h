// DocumentVerb: how the verbs that change a document's annotations run: the output is checked,
// the document opened, the change made in one undo step and the document saved (as --out when
// given) only when the change succeeded, so a refused verb leaves every file as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/database/UIDList.h"

class IDataBase;
class IDocument;

class DocumentVerb {
public:
    // A change answers 0 when it succeeded, else the exit status after printing why not.
    using Change = std::function<int(IDocument*)>;

    // Runs the change on the document and saves it; answers the exit status.
    static int Run(const std::string& document, const std::string& out, const Change& change);
    // Prints the sentence as pagehost's error; answers 1.
    static int Fail(const std::string& sentence);
    // Empty when every id names an annotation of the document (a popup is its note's part, not
    // one of its own); else the sentence that says which does not.
    static std::string UnknownAnnotation(IDataBase* db, const std::vector<int64_t>& ids,
                                         const std::string& document);
    // Deletes the annotations with the Annotations plug-in's delete command.
    static ErrorCode DeleteAnnotations(const UIDList& annotations);
    // The sentence for a document without the Annotations plug-in's interfaces.
    static std::string NotLoaded(const std::string& what);
};
