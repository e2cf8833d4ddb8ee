// The process-wide table behind ASAtom: interns names, thread-safe, capped in
// count and total size because atoms are never freed and names can come from
// files.
#pragma once

#include "host/pdf/ASAtom.h"

#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

class AtomTable {
public:
    static constexpr std::size_t kMaxAtoms = 1u << 20;
    static constexpr std::size_t kMaxTotalBytes = 64u << 20;

    static AtomTable& instance();

    // The atom of name, made on first use; raises pdfErrTooManyAtoms when
    // the table is full.
    ASAtom intern(std::string_view name);
    // ASAtomNull when the name has no atom yet.
    ASAtom find(std::string_view name) const;
    const char* name(ASAtom atom) const;

private:
    AtomTable();

    mutable std::mutex mutex_;
    // A deque keeps the strings in place, so names handed out stay valid.
    std::deque<std::string> names_;
    std::unordered_map<std::string_view, ASAtom> atoms_;
    std::size_t totalBytes_ = 0;
};
