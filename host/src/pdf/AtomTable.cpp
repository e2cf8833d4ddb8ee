#include "AtomTable.h"

#include "host/pdf/ACExceptionFrame.h"

AtomTable& AtomTable::instance() {
    static AtomTable table;
    return table;
}

AtomTable::AtomTable() {
    // Slot 0 is ASAtomNull.
    names_.emplace_back();
}

ASAtom AtomTable::intern(std::string_view name) {
    std::lock_guard lock(mutex_);
    if (auto found = atoms_.find(name); found != atoms_.end()) {
        return found->second;
    }
    if (names_.size() >= kMaxAtoms || totalBytes_ + name.size() > kMaxTotalBytes) {
        ASRaise(pdfErrTooManyAtoms);
    }
    const std::string& stored = names_.emplace_back(name);
    totalBytes_ += stored.size();
    const auto atom = static_cast<ASAtom>(names_.size() - 1);
    atoms_.emplace(std::string_view(stored), atom);
    return atom;
}

ASAtom AtomTable::find(std::string_view name) const {
    std::lock_guard lock(mutex_);
    auto found = atoms_.find(name);
    return found == atoms_.end() ? ASAtomNull : found->second;
}

const char* AtomTable::name(ASAtom atom) const {
    std::lock_guard lock(mutex_);
    return atom < names_.size() ? names_[atom].c_str() : "";
}
