#include "SectionCodec.h"

namespace {
void PutU32(std::vector<uint8>& out, uint32 value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8>(value >> shift));
}

bool GetU32(const std::vector<uint8>& in, size_t& pos, uint32* value) {
    if (in.size() - pos < 4 || pos > in.size())
        return false;
    *value = 0;
    for (int k = 0; k < 4; ++k)
        *value |= static_cast<uint32>(in[pos + static_cast<size_t>(k)]) << (8 * k);
    pos += 4;
    return true;
}
} // namespace

namespace SectionCodec {
// Each section: interface ID, implementation ID, byte count, bytes (32-bit little-endian fields).
std::vector<uint8> Encode(const std::vector<Boss::Section>& sections) {
    size_t size = 0;
    for (const Boss::Section& section : sections)
        size += 12 + section.bytes.size();
    std::vector<uint8> out;
    out.reserve(size); // exactly: undo keeps these for every object a step changed
    for (const Boss::Section& section : sections) {
        PutU32(out, section.iid);
        PutU32(out, section.impl);
        PutU32(out, static_cast<uint32>(section.bytes.size()));
        out.insert(out.end(), section.bytes.begin(), section.bytes.end());
    }
    return out;
}

bool Decode(const std::vector<uint8>& bytes, std::vector<Boss::Section>* sections) {
    sections->clear();
    size_t pos = 0;
    while (pos < bytes.size()) {
        uint32 iid = 0, impl = 0, length = 0;
        if (!GetU32(bytes, pos, &iid) || !GetU32(bytes, pos, &impl) || !GetU32(bytes, pos, &length))
            return false;
        if (length > bytes.size() - pos)
            return false;
        const auto begin = bytes.begin() + static_cast<std::ptrdiff_t>(pos);
        sections->push_back(Boss::Section{iid, impl, std::vector<uint8>(begin, begin + length)});
        pos += length;
    }
    return true;
}
} // namespace SectionCodec
