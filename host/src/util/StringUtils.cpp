#include "host/util/StringUtils.h"

namespace StringUtils {
void ReplaceStringParameters(PMString* str, const PMString& p1, const PMString& p2, const PMString& p3,
                             const PMString& p4) {
    if (!str)
        return;
    const PMString* params[4] = {&p1, &p2, &p3, &p4};
    const std::u16string& in = str->GetUTF16();
    std::u16string out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == u'^' && i + 1 < in.size() && in[i + 1] >= u'1' && in[i + 1] <= u'4') {
            const PMString* param = params[in[i + 1] - u'1'];
            if (!param->IsEmpty()) {
                out += param->GetUTF16();
                ++i;
                continue;
            }
        }
        out.push_back(in[i]);
    }
    str->SetUTF16(std::move(out));
}
} // namespace StringUtils
