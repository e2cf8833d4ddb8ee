#include "PDDocRec.h"

#include "ASStmRec.h"
#include "DocumentRegistry.h"
#include "PDPageRec.h"
#include "host/pdf/ACExceptionFrame.h"
#include "host/pdf/PdfLibraryError.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

void checkReadableFile(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        ASRaise(fileErrFNF);
    }
    if (!std::filesystem::is_regular_file(status)) {
        ASRaise(fileErrIO);
    }
}

// Damaged files produce many warnings; they go nowhere instead of to the
// host's standard error.
std::shared_ptr<QPDFLogger> silentLogger() {
    auto logger = QPDFLogger::create();
    logger->setInfo(logger->discard());
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    return logger;
}

ASErrorCode openErrorCode(const QPDFExc& error) {
    switch (error.getErrorCode()) {
    case qpdf_e_password:
        return pdErrNeedPassword;
    case qpdf_e_system:
        return fileErrIO;
    default:
        return pdErrBadFile;
    }
}

// Readers accept a header anywhere in the first 1024 bytes.
bool hasPdfHeader(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string start(1024, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    return start.find("%PDF-") != std::string::npos;
}

void logOpening(const std::string& path) {
    if (const char* log = std::getenv("PAGEHOST_PDF_OPEN_LOG")) {
        std::ofstream(log, std::ios::app) << path << "\n";
    }
}

// Whether some node of the page tree below the catalog's Pages is its own
// ancestor. The walk is bounded by the object table's cap.
bool pageTreeLoops(QPDFObjectHandle root) {
    struct Step {
        QPDFObjectHandle node;
        std::size_t nextKid;
    };
    std::vector<Step> path{{root.getKey("/Pages"), 0}};
    std::set<QPDFObjGen> ancestors{path.back().node.getObjGen()};
    std::size_t visited = 0;
    while (!path.empty() && ++visited < PDDocRec::kMaxObjects) {
        Step& step = path.back();
        QPDFObjectHandle kids =
            step.node.isDictionary() ? step.node.getKey("/Kids") : QPDFObjectHandle::newNull();
        if (!kids.isArray() || step.nextKid >= static_cast<std::size_t>(kids.getArrayNItems())) {
            ancestors.erase(step.node.getObjGen());
            path.pop_back();
            continue;
        }
        QPDFObjectHandle kid = kids.getArrayItem(static_cast<int>(step.nextKid++));
        if (kid.isIndirect() && ancestors.count(kid.getObjGen()) != 0) {
            return true;
        }
        if (kid.isIndirect()) {
            ancestors.insert(kid.getObjGen());
        }
        path.push_back({kid, 0});
    }
    return false;
}

// The walk itself may meet objects too damaged to read: those are no loop.
bool loopsSafely(QPDFObjectHandle root) {
    try {
        return pageTreeLoops(std::move(root));
    } catch (const std::exception&) {
        return false;
    }
}

qpdf_stream_decode_level_e decodeLevelFor(CosStreamOpenMode mode) {
    return mode == cosOpenFiltered ? qpdf_dl_specialized : qpdf_dl_none;
}

} // namespace

PDDocRec::PDDocRec() {
    id_ = DocumentRegistry::instance().add(this);
}

PDDocRec::~PDDocRec() {
    DocumentRegistry::instance().remove(id_);
}

std::unique_ptr<PDDocRec> PDDocRec::open(const std::string& path) {
    checkReadableFile(path);
    logOpening(path);
    std::unique_ptr<PDDocRec> doc(new PDDocRec());
    doc->qpdf_.setLogger(silentLogger());
    doc->qpdf_.setSuppressWarnings(true);
    try {
        doc->qpdf_.processFile(path.c_str());
        // A file whose trailer has no usable catalog is not a document.
        if (!doc->qpdf_.getRoot().isDictionary()) {
            ASRaise(pdErrBadFile);
        }
    } catch (const PdfLibraryError&) {
        throw;
    } catch (const QPDFExc& error) {
        const ASErrorCode code = openErrorCode(error);
        throw PdfLibraryError(code == pdErrBadFile && !hasPdfHeader(path) ? pdErrNotPDF : code, error.what());
    } catch (const std::bad_alloc&) {
        throw PdfLibraryError(genErrNoMemory, "out of memory");
    } catch (const std::exception& error) {
        throw PdfLibraryError(hasPdfHeader(path) ? pdErrBadFile : pdErrNotPDF, error.what());
    }
    return doc;
}

PDDocRec& PDDocRec::owner(CosObj obj) {
    PDDocRec* doc = DocumentRegistry::instance().find(obj.docId);
    if (doc == nullptr) {
        ASRaise(pdErrDocClosed);
    }
    return *doc;
}

void PDDocRec::loadPages() {
    if (pagesLoaded_) {
        return;
    }
    try {
        for (QPDFObjectHandle page : qpdf_.getAllPages()) {
            // A kid naming a missing object reads as null: it is no page.
            if (page.isDictionary()) {
                pageObjects_.push_back(page);
            }
        }
    } catch (const std::exception& error) {
        pageObjects_.clear();
        throw PdfLibraryError(loopsSafely(qpdf_.getRoot()) ? pdErrPageTreeLoop : pdErrBadPageTree,
                              error.what());
    }
    pages_.resize(pageObjects_.size());
    pagesLoaded_ = true;
}

int PDDocRec::pageCount() {
    loadPages();
    return static_cast<int>(pageObjects_.size());
}

PDPageRec& PDDocRec::page(int index) {
    loadPages();
    if (index < 0 || static_cast<std::size_t>(index) >= pageObjects_.size()) {
        ASRaise(genErrBadParm);
    }
    auto& page = pages_[static_cast<std::size_t>(index)];
    if (!page) {
        page = std::make_unique<PDPageRec>(*this, index, pageObjects_[static_cast<std::size_t>(index)]);
    }
    return *page;
}

QPDFObjectHandle PDDocRec::root() {
    return qpdf_.getRoot();
}

CosObj PDDocRec::intern(QPDFObjectHandle object) {
    if (object.isNull()) {
        return CosNewNull();
    }
    if (object.isIndirect()) {
        if (auto found = indirectSlots_.find(object.getObjGen()); found != indirectSlots_.end()) {
            return CosObj{id_, found->second};
        }
    }
    if (objects_.size() >= kMaxObjects) {
        ASRaise(cosErrTooManyObjects);
    }
    const auto slot = static_cast<std::uint32_t>(objects_.size());
    if (object.isIndirect()) {
        indirectSlots_.emplace(object.getObjGen(), slot);
    }
    objects_.push_back(std::move(object));
    return CosObj{id_, slot};
}

CosObj PDDocRec::member(CosObj container, const std::string& key, QPDFObjectHandle object) {
    constexpr std::uint32_t kKeyBit = 1u << 31;
    const auto known = memberKeys_.try_emplace(key, static_cast<std::uint32_t>(memberKeys_.size())).first;
    return entry(container, known->second | kKeyBit, std::move(object));
}

CosObj PDDocRec::element(CosObj container, int index, QPDFObjectHandle object) {
    return entry(container, static_cast<std::uint32_t>(index), std::move(object));
}

CosObj PDDocRec::entry(CosObj container, std::uint32_t entry, QPDFObjectHandle object) {
    // Indirect objects already have one slot each.
    if (object.isIndirect() || object.isNull()) {
        return intern(std::move(object));
    }
    const std::uint64_t path = static_cast<std::uint64_t>(container.slot) << 32 | entry;
    if (auto found = memberSlots_.find(path); found != memberSlots_.end()) {
        return CosObj{id_, found->second};
    }
    const CosObj obj = intern(std::move(object));
    memberSlots_.emplace(path, obj.slot);
    return obj;
}

QPDFObjectHandle PDDocRec::object(CosObj obj) const {
    // A slot this document never handed out is a forged or corrupted value.
    if (obj.docId != id_ || obj.slot >= objects_.size()) {
        ASRaise(genErrBadParm);
    }
    return objects_[obj.slot];
}

const std::string& PDDocRec::stringBytes(CosObj obj) {
    auto found = strings_.find(obj.slot);
    if (found == strings_.end()) {
        found = strings_.emplace(obj.slot, object(obj).getStringValue()).first;
    }
    return found->second;
}

ASStmRec* PDDocRec::openStream(QPDFObjectHandle stream, CosStreamOpenMode mode) {
    auto reader = std::make_unique<ASStmRec>(std::move(stream), decodeLevelFor(mode));
    ASStmRec* handle = reader.get();
    streams_.emplace(handle, std::move(reader));
    return handle;
}

void PDDocRec::closeStream(ASStmRec* stream) {
    streams_.erase(stream);
}

bool PDDocRec::ownsStream(const ASStmRec* stream) const {
    return streams_.find(const_cast<ASStmRec*>(stream)) != streams_.end();
}
