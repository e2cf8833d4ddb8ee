// libFuzzer target: arbitrary text parsed as a layout description. A refusal naming a JSON path is
// the expected answer to junk; a crash, hang, leak or sanitizer report is a finding.
#include <string>

#include "host/Host.h"
#include "host/document/LayoutParser.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Host::Initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const LayoutParser::Result result =
        LayoutParser::Parse(std::string(reinterpret_cast<const char*>(data), size));
    (void)result;
    return 0;
}
