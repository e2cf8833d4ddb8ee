// An open PDF document: the parsed file, its pages, and the table of objects
// handed out as CosObj values.
//
// The object table gives each indirect object one slot (looked up by object
// number) and each direct object handed out a slot of its own; it is capped
// at kMaxObjects so a hostile file cannot make a reader's walk grow without
// bound. Streams opened on the document are owned by it until closed.
#pragma once

#include "host/pdf/ASStm.h"
#include "host/pdf/CosObj.h"
#include "host/pdf/PDDoc.h"

#include <qpdf/QPDF.hh>

#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class PDPageRec;
class ASStmRec;

class PDDocRec {
public:
    static constexpr std::size_t kMaxObjects = 1u << 21;

    // Raises fileErrFNF, fileErrIO, pdErrNeedPassword or pdErrBadFile.
    static std::unique_ptr<PDDocRec> open(const std::string& path);
    // The open document a non-null object belongs to; pdErrDocClosed when it
    // was closed.
    static PDDocRec& owner(CosObj obj);

    ~PDDocRec();
    PDDocRec(const PDDocRec&) = delete;
    PDDocRec& operator=(const PDDocRec&) = delete;

    std::uint32_t id() const { return id_; }
    int pageCount();
    PDPageRec& page(int index);
    QPDFObjectHandle root();

    // The CosObj for an object of this document (null objects give the
    // null CosObj).
    CosObj intern(QPDFObjectHandle object);
    // The CosObj for a dictionary entry (key with its slash) or an array
    // element of a container handed out before: the same entry always gives
    // the same slot, so reading it again costs nothing.
    CosObj member(CosObj container, const std::string& key, QPDFObjectHandle object);
    CosObj element(CosObj container, int index, QPDFObjectHandle object);
    QPDFObjectHandle object(CosObj obj) const;
    // Bytes of a string object, kept for the life of the document.
    const std::string& stringBytes(CosObj obj);

    ASStmRec* openStream(QPDFObjectHandle stream, CosStreamOpenMode mode);
    void closeStream(ASStmRec* stream);
    bool ownsStream(const ASStmRec* stream) const;

private:
    PDDocRec();
    void loadPages();
    // The slot of a direct entry (see memberSlots_), or an indirect object's own.
    CosObj entry(CosObj container, std::uint32_t entry, QPDFObjectHandle object);

    QPDF qpdf_;
    std::uint32_t id_ = 0;
    bool pagesLoaded_ = false;
    std::vector<QPDFObjectHandle> pageObjects_;
    std::vector<std::unique_ptr<PDPageRec>> pages_;
    std::vector<QPDFObjectHandle> objects_;
    std::map<QPDFObjGen, std::uint32_t> indirectSlots_;
    // The slots of direct entries, by container slot (high half) and entry:
    // an array index, or a key's number in memberKeys_ with the top bit set.
    // Kept compact: a book's import reads a few hundred thousand entries.
    std::unordered_map<std::uint64_t, std::uint32_t> memberSlots_;
    std::unordered_map<std::string, std::uint32_t> memberKeys_;
    std::unordered_map<std::uint32_t, std::string> strings_;
    std::unordered_map<ASStmRec*, std::unique_ptr<ASStmRec>> streams_;
};
