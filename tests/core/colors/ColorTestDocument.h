// A document open for one colour test, with the core plug-in registered, and the look-ups the colour
// tests share: the colour manager and colour list, swatches by name, and a page item coloured with a
// swatch so that the swatch counts as used.
#pragma once

#include <string>
#include <vector>

#include "INotesAnnotationColorList.h"
#include "INotesColorManager.h"
#include "host/database/UIDList.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"

class ColorTestDocument {
public:
    ColorTestDocument();
    ~ColorTestDocument();
    ColorTestDocument(const ColorTestDocument&) = delete;
    ColorTestDocument& operator=(const ColorTestDocument&) = delete;

    IDocument* Document() const { return fDocument; }
    IDataBase* DB() const;
    UIDRef Root() const;
    InterfacePtr<INotesColorManager> Manager() const;
    InterfacePtr<INotesAnnotationColorList> List() const;

    std::string NameOf(UID swatch) const;
    std::vector<PMReal> ComponentsOf(UID swatch) const;
    bool IsEditable(UID swatch) const;
    bool IsListed(UID swatch) const;
    // Every listed swatch with that name, in list order.
    UIDList SwatchesNamed(const char* name) const;
    int32 SwatchCount() const;
    // A rectangle on the first page whose stroke is the swatch.
    UID NewItemStrokedWith(UID swatch) const;
    UID StrokeOf(UID item) const;
    // A swatch made by the host alone, as a user would make it.
    UID NewUserSwatch(const char* name, std::vector<PMReal> rgb) const;

    // Saves to a fresh file, closes and opens it again; answers the path.
    std::string SaveAndReopen();

private:
    IDocument* fDocument = nullptr;
};
