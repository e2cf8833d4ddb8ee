#include "PDPageRec.h"

#include "FixedRectReader.h"

#include <set>

PDPageRec::PDPageRec(PDDocRec& doc, int number, QPDFObjectHandle page)
    : doc_(doc), number_(number), page_(std::move(page)) {}

std::optional<ASFixedRect> PDPageRec::box(const std::string& name) {
    const bool inheritable = name == "MediaBox" || name == "CropBox";
    return FixedRectReader::read(lookUp("/" + name, inheritable));
}

QPDFObjectHandle PDPageRec::annots() {
    QPDFObjectHandle annots = page_.getKey("/Annots");
    return annots.isArray() ? annots : QPDFObjectHandle::newNull();
}

QPDFObjectHandle PDPageRec::lookUp(const std::string& key, bool inheritable) {
    QPDFObjectHandle node = page_;
    std::set<QPDFObjGen> visited;
    for (int depth = 0; depth < kMaxTreeDepth && node.isDictionary(); ++depth) {
        if (node.hasKey(key)) {
            return node.getKey(key);
        }
        if (!inheritable || (node.isIndirect() && !visited.insert(node.getObjGen()).second)) {
            break;
        }
        node = node.getKey("/Parent");
    }
    return QPDFObjectHandle::newNull();
}
