// ThreadStrand: the lengths of a story's cell threads, in text order; the primary thread has
// what the cells leave of the text. Lengths that do not fit the text (damaged data) count as no
// cell threads at all, so every range answered lies inside the text.
#include <algorithm>

#include "../database/CountedList.h"
#include "TextImplementations.h"
#include "host/database/IPMStream.h"
#include "host/objectmodel/Boss.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/ITextStrand.h"
#include "host/text/IThreadStrand.h"

namespace {
class ThreadStrand final : public CPMUnknown<IThreadStrand> {
public:
    explicit ThreadStrand(IPMUnknown* boss) : CPMUnknown<IThreadStrand>(boss) {}

    int32 CountThreads() const override { return 1 + static_cast<int32>(Cells().size()); }
    UID GetNthHolder(int32 n) const override {
        if (n == 0)
            return GetBoss()->GetUID();
        const std::vector<Thread>& cells = Cells();
        return n > 0 && n <= static_cast<int32>(cells.size()) ? cells[static_cast<size_t>(n - 1)].holder
                                                              : kInvalidUID;
    }
    RangeData GetNthRange(int32 n) const override {
        const std::vector<Thread>& cells = Cells();
        if (n < 0 || n > static_cast<int32>(cells.size()))
            return RangeData();
        TextIndex start = PrimaryEnd(cells);
        if (n == 0)
            return RangeData(0, start);
        for (int32 k = 0; k < n - 1; ++k)
            start += cells[static_cast<size_t>(k)].length;
        return RangeData(start, start + cells[static_cast<size_t>(n - 1)].length);
    }
    int32 FindThread(UID holder) const override {
        if (holder == GetBoss()->GetUID())
            return 0;
        const std::vector<Thread>& cells = Cells();
        const auto found =
            std::find_if(cells.begin(), cells.end(), [&](const Thread& t) { return t.holder == holder; });
        return found == cells.end() ? -1 : static_cast<int32>(found - cells.begin()) + 1;
    }
    int32 FindThreadAt(TextIndex index) const override {
        const std::vector<Thread>& cells = Cells();
        if (index < 0 || index >= TextLength())
            return -1;
        TextIndex end = PrimaryEnd(cells);
        if (index < end)
            return 0;
        for (size_t k = 0; k < cells.size(); ++k) {
            end += cells[k].length;
            if (index < end)
                return static_cast<int32>(k) + 1;
        }
        return -1;
    }

    void Resize(TextIndex at, int32 delta) override {
        const int32 thread = FindThreadAt(at);
        if (thread <= 0 || delta == 0)
            return; // the primary thread has whatever the cells leave
        PreDirty();
        fCells[static_cast<size_t>(thread - 1)].length += delta;
    }
    void InsertThreads(int32 n, const std::vector<Thread>& threads) override {
        if (threads.empty())
            return;
        PreDirty();
        const size_t at = static_cast<size_t>(std::clamp<int32>(n - 1, 0, static_cast<int32>(fCells.size())));
        fCells.insert(fCells.begin() + static_cast<std::ptrdiff_t>(at), threads.begin(), threads.end());
    }
    void RemoveThreads(int32 n, int32 count) override {
        const int32 first = std::clamp<int32>(n - 1, 0, static_cast<int32>(fCells.size()));
        const int32 last = std::clamp<int32>(first + count, first, static_cast<int32>(fCells.size()));
        if (last == first)
            return;
        PreDirty();
        fCells.erase(fCells.begin() + first, fCells.begin() + last);
    }

    void ReadWrite(IPMStream* stream, ImplementationID) override {
        CountedList::Xfer(stream, fCells, [](IPMStream* s, Thread& thread) {
            s->XferReference(thread.holder);
            s->XferInt32(thread.length);
        });
    }

private:
    int32 TextLength() const {
        InterfacePtr<ITextStrand> text(this, IID_ITEXTSTRAND);
        return text ? text->GetLength() : 0;
    }
    // The cell threads, or none when their lengths do not fit the text: every cell holds at
    // least its return and the primary thread at least its own.
    const std::vector<Thread>& Cells() const {
        static const std::vector<Thread> kNone;
        int64 total = 0;
        for (const Thread& thread : fCells) {
            if (thread.length < 1)
                return kNone;
            total += thread.length;
        }
        return total <= TextLength() - 1 ? fCells : kNone;
    }
    TextIndex PrimaryEnd(const std::vector<Thread>& cells) const {
        TextIndex end = TextLength();
        for (const Thread& thread : cells)
            end -= thread.length;
        return end;
    }

    std::vector<Thread> fCells;
};
} // namespace

ImplementationDeclaration MakeThreadStrandImplementation(ImplementationID id) {
    return IMPLEMENTATION(ThreadStrand, id, true);
}
