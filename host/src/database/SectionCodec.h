// SectionCodec: the stored form of an object's data, one framed section per implementation.
#pragma once

#include <vector>

#include "host/objectmodel/Boss.h"

namespace SectionCodec {
std::vector<uint8> Encode(const std::vector<Boss::Section>& sections);
// False when the bytes are not a well-formed sequence of sections.
bool Decode(const std::vector<uint8>& bytes, std::vector<Boss::Section>* sections);
} // namespace SectionCodec
