// Classes and helpers of the text tests: a marker-like owned item that goes and travels with its
// text and records what its memento is told, a plain owned item with the default behaviour, two
// UID-valued character attributes, and a test document with stories made through commands.
#pragma once

#include <string>
#include <vector>

#include "host/commands/ICommand.h"
#include "host/database/UIDRef.h"
#include "host/document/IDocument.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/AttributeBossList.h"
#include "host/text/ITextModel.h"

namespace TextTestClasses {
constexpr PluginID kTextTestPluginID = 0x7E1000;
constexpr ClassID kTestMarkerBoss = 0x7E1001; // deletes and copies with its text; has a memento
constexpr ClassID kPlainItemBoss = 0x7E1002;  // COwnedItem defaults
constexpr ClassID kTestMementoBoss = 0x7E1003;
constexpr ClassID kTestAttrBoss = 0x7E1004;      // derived from kTextAttrBoss
constexpr ClassID kOtherTestAttrBoss = 0x7E1005; // derived from kTextAttrBoss
constexpr PMIID IID_ITESTPAYLOAD = 0x7E1001;     // IIntData on markers: data a copy must carry
constexpr PMIID IID_ITESTPARTNER = 0x7E1002;     // IUIDData on markers: another marker

void Register();

// What mementos were told, one line per call: "removing <uid>@<index>",
// "reinserted <uid>@<index> from <source uid>", "done <uid>".
std::vector<std::string>& MementoLog();

// A document for one test, closed when it goes.
class TextDocument {
public:
    TextDocument();
    ~TextDocument();
    TextDocument(const TextDocument&) = delete;
    TextDocument& operator=(const TextDocument&) = delete;

    IDataBase* DataBase() const;
    IDocument* Document() const { return fDocument; }
    // A new story through the new-story command.
    UID NewStory();
    // A new story holding text (before its final return).
    UID NewStory(const std::u16string& text);
    InterfacePtr<ITextModel> Model(UID story) const;
    std::u16string Text(UID story) const;
    // A new marker or plain item with a payload (not anchored).
    UID NewItem(ClassID itemClass, int32 payload);
    int32 Payload(UID item) const;
    UID Partner(UID item) const;
    void SetPartner(UID item, UID partner);

private:
    IDocument* fDocument;
};

// Processes a command made by ITextModelCmds (taking over its reference).
ErrorCode Process(ICommand* cmd);
// A list of one UID-valued attribute.
AttributeBossList Attribute(ClassID attributeClass, UID value);
// The value of an attribute class in a list, or kInvalidUID.
UID ValueOf(const AttributeBossList& list, ClassID attributeClass);
} // namespace TextTestClasses
