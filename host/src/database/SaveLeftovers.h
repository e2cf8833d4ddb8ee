// SaveLeftovers: the temporary files a save makes beside a document, named after the saving
// process so that those of a process that died (killed during a save) can be told apart and removed.
#pragma once

#include <string>

namespace SaveLeftovers {
// A fresh temporary name beside the document for this process's save.
std::string TemporaryName(const std::string& documentPath);
// Removes the temporaries (and their journals) that processes no longer running left beside the
// document; those of running processes are left alone.
void RemoveStale(const std::string& documentPath);
} // namespace SaveLeftovers
