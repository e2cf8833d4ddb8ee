// IThreadStrand: where each story thread's text lies in the story's text model (on the story).
// Thread 0 is the primary thread: it starts the text and ends with the story's own final
// return. The cells' threads follow in text order, each ending with a return of its own:
// cells of a table in row-major order, tables in the order of their anchors. An edit changes the
// length of the one thread it lies in; making and deleting tables adds and removes threads.
#pragma once

#include <vector>

#include "host/database/UID.h"
#include "host/objectmodel/HostIDs.h"
#include "host/objectmodel/IPMUnknown.h"
#include "host/text/RangeData.h"

class IThreadStrand : public IPMUnknown {
public:
    enum { kDefaultIID = IID_ITHREADSTRAND };
    struct Thread {
        UID holder = kInvalidUID; // the cell that holds the thread
        int32 length = 0;
        bool operator==(const Thread& o) const = default;
    };

    // The primary thread included.
    virtual int32 CountThreads() const = 0;
    // The object holding thread n: the story for thread 0, a cell for the others.
    virtual UID GetNthHolder(int32 n) const = 0;
    virtual RangeData GetNthRange(int32 n) const = 0;
    // The thread a holder holds, or -1.
    virtual int32 FindThread(UID holder) const = 0;
    // The thread whose text holds index, or -1 outside the text.
    virtual int32 FindThreadAt(TextIndex index) const = 0;

    // Text model use: the thread that holds index at grows (shrinks) by delta; call it before the
    // text changes.
    virtual void Resize(TextIndex at, int32 delta) = 0;
    // Cell threads inserted before thread n (1 <= n <= CountThreads()), their text already in
    // the text model; removed with their text.
    virtual void InsertThreads(int32 n, const std::vector<Thread>& threads) = 0;
    virtual void RemoveThreads(int32 n, int32 count) = 0;
};
