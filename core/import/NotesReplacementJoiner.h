// NotesReplacementJoiner: after an import has anchored its text markups, joins each caret that
// completes a strike-out into one replacement (the merge-annotation command). A pair is found from
// the PDF's own links where it has them (an IRT entry from either one naming the other, or one
// popup shared by both), otherwise by position: the last caret of the same author that stands
// inside the struck text or right after it. A pair that cannot be joined stays as two
// annotations. Every look-up is a hash look-up or a walk of the struck characters, so the pass
// stays linear in the import's text edits.
#pragma once

#include <unordered_map>
#include <vector>

#include "host/database/UIDList.h"
#include "host/pdf/CosObj.h"
#include "host/util/PMString.h"

class NotesReplacementJoiner {
public:
    explicit NotesReplacementJoiner(IDataBase* database) : fDatabase(database) {}

    // Records a strike-out or caret of the import with the runs made for it.
    void Add(bool caret, CosObj annotation, CosObj inReplyTo, CosObj popup, const PMString& author,
             const UIDList& runs);
    // Joins the pairs; answers how many replacements were made.
    int32 Join();

private:
    struct Edit {
        bool caret = false;
        uint64 key = 0;
        uint64 inReplyTo = 0;
        uint64 popup = 0;
        PMString author;
        std::vector<UID> runs;
        bool settled = false; // joined, or linked to a partner, so no other pairing is tried
    };

    // The edit a PDF link names among those of the other kind, or -1.
    int32 LinkedPartner(const Edit& caret) const;
    int32 CaretByPosition(const Edit& strikeOut) const;
    bool Merge(const Edit& strikeOut, const Edit& caret);
    bool MergeRuns(UID strikeOutRun, UID caretRun);

    IDataBase* fDatabase;
    std::vector<Edit> fEdits;
    std::unordered_map<uint64, int32> fByKey;         // every edit by its PDF object
    std::unordered_map<uint64, int32> fStrikeByReply; // strike-outs by the object their IRT names
    std::unordered_map<uint64, int32> fStrikeByPopup; // strike-outs by their popup
    std::unordered_map<UID, int32> fCaretByRun;       // carets by the end marker made for them
};
