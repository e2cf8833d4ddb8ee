// TextValue: the host's ITextValue over the widget's ITextControlData.
#include <charconv>
#include <cmath>
#include <string>

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITextControlData.h"
#include "host/ui/ITextValue.h"

namespace {
class TextValue final : public CPMUnknown<ITextValue> {
public:
    explicit TextValue(IPMUnknown* boss) : CPMUnknown<ITextValue>(boss) {}

    PMReal GetTextAsValue(bool16* isValid) const override {
        InterfacePtr<ITextControlData> text(this, IID_ITEXTCONTROLDATA);
        std::string utf8 = text ? text->GetString().GetUTF8String() : std::string();
        const size_t first = utf8.find_first_not_of(" \t");
        const size_t last = utf8.find_last_not_of(" \t");
        utf8 = first == std::string::npos ? std::string() : utf8.substr(first, last - first + 1);
        PMReal value = 0.0;
        const auto [end, error] = std::from_chars(utf8.data(), utf8.data() + utf8.size(), value);
        const bool valid =
            !utf8.empty() && error == std::errc() && end == utf8.data() + utf8.size() && std::isfinite(value);
        if (isValid)
            *isValid = valid ? kTrue : kFalse;
        return valid ? value : 0.0;
    }

    void SetTextFromValue(PMReal value, bool16 invalidate, bool16 notifyOfChange) override {
        InterfacePtr<ITextControlData> text(this, IID_ITEXTCONTROLDATA);
        if (!text)
            return;
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
        text->SetString(PMString(std::string_view(buffer, written.ptr - buffer)), invalidate, notifyOfChange);
    }
};
} // namespace

ImplementationDeclaration MakeTextValueImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextValue, id, false);
}
