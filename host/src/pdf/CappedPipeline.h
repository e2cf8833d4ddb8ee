// A pipeline end that keeps at most a given number of bytes and then stops
// the decoder by throwing, so decoding a huge or hostile stream costs no more
// than what the reader asked for.
#pragma once

#include <qpdf/Pipeline.hh>

#include <cstddef>
#include <string>

class CappedPipeline : public Pipeline {
public:
    explicit CappedPipeline(std::size_t capacity);

    void write(unsigned char const* data, size_t len) override;
    void finish() override {}

    std::string& data() { return data_; }
    bool reachedCapacity() const { return reachedCapacity_; }

private:
    std::size_t capacity_;
    std::string data_;
    bool reachedCapacity_ = false;
};
