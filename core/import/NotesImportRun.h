// NotesImportRun: what the import command keeps while it runs: the default swatch, the items made
// so far with the PDF annotations they came from, the annotations already met and the counts of
// annotations imported and failed. All of it lives for one run only.
//
// Annotations are told apart by object identity, which the PDF library gives as one object slot per
// indirect object: every look-up here is a hash look-up, so a run stays linear in its annotations.
#pragma once

#include <unordered_map>
#include <unordered_set>
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
    int32 failureCount = 0;
    int32 importedCount = 0;

    // Records an item made from a PDF annotation.
    void Map(UID item, CosObj annotation) {
        mAnnotationMapping.emplace_back(item, annotation);
        fItems.emplace(KeyOf(annotation), item);
    }
    // The first item made from a PDF annotation in this run, or kInvalidUID.
    UID ItemOf(CosObj annotation) const {
        const auto found = fItems.find(KeyOf(annotation));
        return found == fItems.end() ? kInvalidUID : found->second;
    }
    // True the first time an annotation object is met in this run: an object that a page lists twice,
    // or that two pages list, is imported once.
    bool MeetsFirstTime(CosObj annotation) { return fMet.insert(KeyOf(annotation)).second; }
    // The identity of a PDF object within the run; 0 for the null object.
    static uint64 KeyOf(CosObj annotation) {
        return annotation.docId == 0 ? 0 : (uint64{annotation.docId} << 32) | annotation.slot;
    }

private:
    std::unordered_map<uint64, UID> fItems;
    std::unordered_set<uint64> fMet;
};
