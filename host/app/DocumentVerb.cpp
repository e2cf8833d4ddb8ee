#include "DocumentVerb.h"

#include <cstdio>

#include "DocumentSaving.h"
#include "OutputPath.h"

#include "INotesAnnotation.h"
#include "host/commands/CmdUtils.h"
#include "host/commands/ErrorUtils.h"
#include "host/database/IDataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"

int DocumentVerb::Fail(const std::string& sentence) {
    std::fprintf(stderr, "pagehost: %s\n", sentence.c_str());
    return 1;
}

std::string DocumentVerb::NotLoaded(const std::string& what) {
    return "The Annotations plug-in is not loaded, so " + what + ".";
}

std::string DocumentVerb::UnknownAnnotation(IDataBase* db, const std::vector<int64_t>& ids,
                                            const std::string& document) {
    for (int64_t id : ids) {
        const bool inRange = id > 0 && id <= 0xFFFFFFFFLL;
        const UID uid = inRange ? static_cast<UID>(id) : kInvalidUID;
        InterfacePtr<INotesAnnotation> annotation(inRange && db->IsValidUID(uid) ? UIDRef(db, uid) : UIDRef(),
                                                  IID_INOTESANNOTATION);
        if (!annotation || annotation->GetType() == INotesAnnotation::kPopupAnnotation)
            return "The id " + std::to_string(id) + " names no annotation of " + document + ".";
    }
    return std::string();
}

ErrorCode DocumentVerb::DeleteAnnotations(const UIDList& annotations) {
    InterfacePtr<ICommand> deleteAnnotationCmd(CmdUtils::CreateCommand(kNotesDeleteAnnotationCmdBoss));
    if (!deleteAnnotationCmd)
        return kFailure;
    deleteAnnotationCmd->SetItemList(annotations);
    return CmdUtils::ProcessCommand(deleteAnnotationCmd);
}

int DocumentVerb::Run(const std::string& document, const std::string& out, const Change& change) {
    if (const auto refusal = OutputPath::Refusal(out.empty() ? document : out, {}))
        return Fail(*refusal);
    DocumentManager::Result opened = DocumentManager::Instance().OpenDocument(document);
    if (!opened.document)
        return Fail(opened.message);
    int status = 0;
    {
        // One undo step; a change that fails leaves its error code so the step is rolled back.
        CmdUtils::SequenceContext sequence;
        status = change(opened.document);
        if (status != 0)
            ErrorUtils::PMSetGlobalErrorCode(kFailure);
    }
    return DocumentSaving::SaveAndClose(opened.document, status == 0, out, status);
}
