// NotesTextMarkupMemento: keeps one marker's text markup whole while its text is edited; the host
// calls it inside the edit's command, so undo and redo take its changes with the text.
//  - Removal: when all the marked text goes, the markup goes with it (record, popup and both
//    markers); when only the text under one marker goes, that marker moves to the nearest marked
//    character that stays, so the markup keeps marking what is left of its words.
//  - Re-insertion (paste): the pasted copy of a marker points at the copy of its partner and at
//    the story it now lies in; its end marker gets no popup (the popup belongs to the original).
//    In another document it takes that document's swatch of its kind. A copy whose partner was not
//    copied with it is deleted with its attribute: a paste of part of a marked run carries no
//    markup.
#pragma once

#include "host/objectmodel/CPMUnknown.h"
#include "host/text/ITextModelMemento.h"

class NotesMarkedRun;

class NotesTextMarkupMemento final : public CPMUnknown<ITextModelMemento> {
public:
    explicit NotesTextMarkupMemento(IPMUnknown* boss) : CPMUnknown<ITextModelMemento>(boss) {}
    void Removing(const UIDRef& story, TextIndex index, RangeData removed) override;
    void Reinserted(const UIDRef& story, TextIndex index, const UIDList& sources,
                    const UIDList& copies) override;
    void ReinsertionDone(const UIDRef& story) override;

private:
    UIDRef Marker() const;
    static void DeleteMarkup(const NotesMarkedRun& run);
    static void DeleteLoneCopy(const UIDRef& marker);
    static void TakeKindColor(const UIDRef& marker);
};
