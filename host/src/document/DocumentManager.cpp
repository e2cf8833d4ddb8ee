#include "host/document/DocumentManager.h"

#include <algorithm>

#include "HierarchyLoops.h"
#include "host/Host.h"
#include "host/commands/CmdUtils.h"
#include "host/database/DataBase.h"
#include "host/layout/ILayoutControlData.h"
#include "host/notify/ServiceRegistry.h"
#include "host/objectmodel/ObjectModel.h"
#include "host/objectmodel/PlugInLoader.h"
#include "host/ui/CAlert.h"

namespace {
// A layout view showing the document, made before the open and new signals so that responders
// find it.
InterfacePtr<IPMUnknown> MakeLayoutView(IDocument* document) {
    InterfacePtr<ILayoutControlData> view(CreateObject2<ILayoutControlData>(kLayoutWidgetBoss));
    if (view)
        view->SetDocument(document);
    return InterfacePtr<IPMUnknown>(view.forget());
}

UIDRef RootRef(IDocument* document) {
    IDataBase* db = document->GetDocumentDataBase();
    return UIDRef(db, db->GetRootUID());
}

// Tells the user about plug-ins whose data the document holds but which are not loaded.
void WarnAboutMissingPlugIns(DataBase* db, const std::string& path) {
    for (const auto& [id, dependency] : db->GetPlugInRecords()) {
        if (PlugInLoader::Instance().FindPlugIn(id))
            continue;
        std::string message =
            "The document " + IDFile(path).GetFileName() + " holds data of the plug-in " +
            (dependency.name.empty() ? std::string("with ID ") + std::to_string(id) : dependency.name) +
            ", which is not loaded; its data is kept unchanged.";
        if (!dependency.notice.empty())
            message += " " + dependency.notice;
        CAlert::WarningAlert(PMString(message.c_str()));
    }
}
} // namespace

DocumentManager& DocumentManager::Instance() {
    static DocumentManager manager;
    return manager;
}

DocumentManager::Result DocumentManager::Adopt(std::unique_ptr<DataBase> db, ServiceID signal) {
    Result result;
    InterfacePtr<IDocument> document(
        ObjectModel::CheckedCast<IDocument>(db->Instantiate(db->GetRootUID(), IID_IDOCUMENT)));
    if (!document) {
        result.error = kFailure;
        result.message = "The document has no document object.";
        return result;
    }
    fDocuments.push_back(Open{std::move(db), document, MakeLayoutView(document.get())});
    fFront = document.get();
    result.document = document.get();
    ServiceRegistry::Instance().SendSignal(signal, RootRef(document.get()));
    return result;
}

DocumentManager::Result DocumentManager::NewDocument() {
    return NewDocument(DocumentSetup());
}

DocumentManager::Result DocumentManager::NewDocument(const DocumentSetup& setup) {
    Host::Initialize();
    std::unique_ptr<DataBase> db = DataBase::CreateNew(kDocBoss);
    if (!db || setup.Apply(db.get()) != kSuccess)
        return Result{kFailure, "A new document cannot be made.", nullptr};
    return Adopt(std::move(db), kAfterNewDocSignalResponderService);
}

DocumentManager::Result DocumentManager::OpenDocument(const std::string& path) {
    Host::Initialize();
    DocumentFile::Result fileResult;
    std::unique_ptr<DataBase> db = DataBase::Open(path, &fileResult);
    if (!db)
        return Result{kFailure, fileResult.message, nullptr};
    if (db->GetClass(db->GetRootUID()) != kDocBoss)
        return Result{kFailure, "The file " + IDFile(path).GetFileName() + " does not hold a document.",
                      nullptr};
    if (const std::string loop = HierarchyLoops::Find(db.get()); !loop.empty())
        return Result{kFailure, DocumentFile::Damaged(path, loop).message, nullptr};
    WarnAboutMissingPlugIns(db.get(), path);
    return Adopt(std::move(db), kAfterOpenDocSignalResponderService);
}

DocumentManager::Open* DocumentManager::Find(IDocument* document) {
    const auto found = std::find_if(fDocuments.begin(), fDocuments.end(),
                                    [&](const Open& open) { return open.document.get() == document; });
    return found == fDocuments.end() ? nullptr : &*found;
}

ErrorCode DocumentManager::Write(IDocument* document, const std::string& path, ServiceID signal,
                                 bool adoptPath, std::string* message) {
    Open* open = Find(document);
    if (!open || path.empty() || CmdUtils::IsInCommand()) {
        if (message)
            *message = path.empty() ? "The document has no file to save to; use save as."
                                    : "The document cannot be saved now.";
        return kFailure;
    }
    ServiceRegistry::Instance().SendSignal(signal, RootRef(document));
    const DocumentFile::Result result = open->db->Save(path, adoptPath);
    if (result.status != DocumentFile::kOk) {
        if (message)
            *message = result.message;
        return kFailure;
    }
    return kSuccess;
}

ErrorCode DocumentManager::SaveDocument(IDocument* document, std::string* message) {
    Open* open = Find(document);
    const std::string path = open ? open->db->GetSysFile().GetPathString() : std::string();
    return Write(document, path, kBeforeSaveDocSignalResponderService, true, message);
}

ErrorCode DocumentManager::SaveDocumentAs(IDocument* document, const std::string& path,
                                          std::string* message) {
    return Write(document, path, kBeforeSaveAsDocSignalResponderService, true, message);
}

ErrorCode DocumentManager::SaveACopy(IDocument* document, const std::string& path, std::string* message) {
    return Write(document, path, kBeforeSaveACopyDocSignalResponderService, false, message);
}

void DocumentManager::CloseDocument(IDocument* document) {
    const auto found = std::find_if(fDocuments.begin(), fDocuments.end(),
                                    [&](const Open& open) { return open.document.get() == document; });
    if (found == fDocuments.end())
        return;
    ServiceRegistry::Instance().SendSignal(kBeforeCloseDocSignalResponderService, RootRef(document));
    // Whoever still holds the view finds it empty, never pointing into the closed document.
    if (InterfacePtr<ILayoutControlData> view{found->view, IID_ILAYOUTCONTROLDATA})
        view->SetDocument(nullptr);
    fDocuments.erase(found);
    if (fFront == document)
        fFront = fDocuments.empty() ? nullptr : fDocuments.back().document.get();
}

void DocumentManager::CloseAll() {
    while (!fDocuments.empty())
        CloseDocument(fDocuments.back().document.get());
}

IDocument* DocumentManager::GetFrontDocument() const {
    return fFront;
}

void DocumentManager::SetFrontDocument(IDocument* document) {
    if (Find(document))
        fFront = document;
}

IPMUnknown* DocumentManager::GetLayoutView(const IDocument* document) const {
    for (const Open& open : fDocuments)
        if (document && open.document.get() == document)
            return open.view.get();
    return nullptr;
}

IDocument* GetFrontDocument() {
    return DocumentManager::Instance().GetFrontDocument();
}
