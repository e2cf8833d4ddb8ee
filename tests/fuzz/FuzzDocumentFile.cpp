// libFuzzer target: arbitrary bytes opened as a document file, every object instantiated, then
// closed. A refusal in one sentence is the expected answer to junk; a crash, hang, leak or
// sanitizer report is a finding.
#include <unistd.h>

#include <string>

#include "host/Host.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ::setenv("PAGEHOST_HOME", "/dev/shm/fuzz-doc-home", 1);
    Host::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = "/dev/shm/fuzz-doc-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0)
        return 0;
    const bool written = write(fd, data, size) == static_cast<ssize_t>(size);
    close(fd);
    if (written) {
        DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(path);
        if (opened.document) {
            IDataBase* db = opened.document->GetDocumentDataBase();
            for (UID uid : db->GetAllUIDs()) {
                IPMUnknown* persist = db->Instantiate(uid, IID_IPMPERSIST);
                if (persist)
                    persist->Release();
            }
            DocumentManager::Instance().CloseDocument(opened.document);
        }
    }
    unlink(path.c_str());
    return 0;
}
