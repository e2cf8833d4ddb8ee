// The data behind an ASStm handle: a stream read from the start, decoded on
// demand. Each time a read needs bytes past what was decoded, the stream is
// decoded again with twice the room (at least what the read needs), up to
// CosMaxDecodedStreamBytes. Re-decoding from the start costs at most twice the
// work of one full decode, and memory stays proportional to what was read.
#pragma once

#include "host/pdf/ASStm.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <string>

class ASStmRec {
public:
    ASStmRec(QPDFObjectHandle stream, qpdf_stream_decode_level_e decodeLevel);

    // Copies up to `bytes` bytes to out; returns how many were copied.
    std::size_t read(char* out, std::size_t bytes);

private:
    void decodeThrough(std::size_t end);

    QPDFObjectHandle stream_;
    qpdf_stream_decode_level_e decodeLevel_;
    std::string data_;
    std::size_t position_ = 0;
    std::size_t decodedRoom_ = 0;
    bool complete_ = false;
};
