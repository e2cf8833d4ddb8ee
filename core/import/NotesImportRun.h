// NotesImportRun: what the import command keeps while it runs: the default swatch, the items made
// so far with the PDF annotations they came from, the strike-outs used up by replacements and the
// count of annotations that could not be imported. All of it lives for one run only.
#pragma once

#include <utility>
#include <vector>

#include "host/database/UIDList.h"
#include "host/database/UIDRef.h"
#include "host/pdf/CosObj.h"

struct NotesImportRun {
    IDataBase* database = nullptr;
    UIDRef document;
    UID mDefaultColorUID = kInvalidUID;
    std::vector<std::pair<UID, CosObj>> mAnnotationMapping;
    std::vector<CosObj> consumedStrikeOuts;
    int32 failureCount = 0;

    // The item made from a PDF annotation in this run (by object identity), or kInvalidUID.
    UID ItemOf(CosObj annotation) const {
        for (const auto& [uid, dict] : mAnnotationMapping)
            if (CosObjEqual(dict, annotation))
                return uid;
        return kInvalidUID;
    }
    bool IsConsumed(CosObj annotation) const {
        for (const CosObj& used : consumedStrikeOuts)
            if (CosObjEqual(used, annotation))
                return true;
        return false;
    }
};
