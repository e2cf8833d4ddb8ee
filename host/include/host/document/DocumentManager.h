// DocumentManager: the open documents; new, open, save, save as and close, with their signals.
// Every open document has one layout view (kLayoutWidgetBoss), made when the document opens and
// detached from it when the document closes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/database/UIDRef.h"
#include "host/document/DocumentSetup.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"

class DataBase;

class DocumentManager {
public:
    struct Result {
        ErrorCode error = kSuccess;
        std::string message; // one sentence when it failed
        IDocument* document = nullptr;
    };

    static DocumentManager& Instance();

    // A new document (one letter-size page and one layer unless set up otherwise); it becomes the
    // front document.
    Result NewDocument();
    Result NewDocument(const DocumentSetup& setup);
    // Opens a document file; a file that is not a document or is damaged fails with a message.
    Result OpenDocument(const std::string& path);
    ErrorCode SaveDocument(IDocument* document, std::string* message = nullptr);
    ErrorCode SaveDocumentAs(IDocument* document, const std::string& path, std::string* message = nullptr);
    // Writes a copy; the document keeps its own file.
    ErrorCode SaveACopy(IDocument* document, const std::string& path, std::string* message = nullptr);
    void CloseDocument(IDocument* document);
    void CloseAll();

    IDocument* GetFrontDocument() const;
    void SetFrontDocument(IDocument* document);
    int32 CountDocuments() const { return static_cast<int32>(fDocuments.size()); }
    // The layout view of an open document (no reference added), or nullptr.
    IPMUnknown* GetLayoutView(const IDocument* document) const;

private:
    struct Open {
        std::unique_ptr<DataBase> db;
        InterfacePtr<IDocument> document;
        InterfacePtr<IPMUnknown> view;
    };
    Result Adopt(std::unique_ptr<DataBase> db, ServiceID signal);
    ErrorCode Write(IDocument* document, const std::string& path, ServiceID signal, bool adoptPath,
                    std::string* message);
    Open* Find(IDocument* document);
    std::vector<Open> fDocuments;
    IDocument* fFront = nullptr;
};

// The front document, or nullptr.
IDocument* GetFrontDocument();
