// LayoutTestDocument: a document open for one test, with helpers that make items through the
// host's own commands and take the stored bytes of every object for exact comparisons.
#pragma once

#include <map>
#include <vector>

#include "host/commands/CmdUtils.h"
#include "host/database/DataBase.h"
#include "host/document/DocumentManager.h"
#include "host/objectmodel/ObjectModel.h"

class LayoutTestDocument {
public:
    explicit LayoutTestDocument(const DocumentSetup& setup = DocumentSetup());
    ~LayoutTestDocument();
    LayoutTestDocument(const LayoutTestDocument&) = delete;
    LayoutTestDocument& operator=(const LayoutTestDocument&) = delete;

    IDocument* Document() const { return fDocument; }
    DataBase* DB() const { return fDataBase; }
    UIDRef Root() const { return UIDRef(fDataBase, fDataBase->GetRootUID()); }
    template <class T> InterfacePtr<T> Get(UID uid) const {
        return InterfacePtr<T>(ObjectModel::CheckedCast<T>(fDataBase->Instantiate(uid, T::kDefaultIID)));
    }

    UID Spread(int32 index) const;
    UID MasterSpread(int32 index) const;
    UID Page(int32 index) const;
    UID Layer(int32 index) const;
    // The content spread layer of a document layer (default: the first) on a spread.
    UID ContentLayer(UID spread, int32 layerIndex = 0) const;
    // A rectangle spline with bounds in pasteboard coordinates, made by the new-page-item command.
    UID NewRectangle(UID parent, const PMRect& pasteboardBounds) const;
    // The rectangle placed relative to a page's left top corner, on the page's spread's first layer.
    UID NewRectangleOnPage(int32 pageIndex, const PMRect& pageBounds) const;
    UID NewSwatch(const char* name, std::vector<PMReal> rgb) const;
    PMRect PasteboardBounds(UID item) const;

    // Processes a command of the class with the item list; answers the command for inspection.
    InterfacePtr<ICommand> Process(ClassID commandClass, const UIDList& items,
                                   ErrorCode* result = nullptr) const;

    using Objects = std::map<UID, ObjectSnapshot>;
    Objects Snapshot() const;

private:
    IDocument* fDocument = nullptr;
    DataBase* fDataBase = nullptr;
};

// Two snapshots hold the same objects with the same class and bytes.
bool SameObjects(const LayoutTestDocument::Objects& a, const LayoutTestDocument::Objects& b);
