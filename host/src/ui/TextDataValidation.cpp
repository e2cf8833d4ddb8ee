// TextDataValidation: the host's ITextDataValidation; it reads the field through its ITextValue.
#include <cmath>
#include <limits>
#include <sstream>

#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/ui/ITextDataValidation.h"
#include "host/ui/ITextValue.h"

namespace {
std::string Number(PMReal value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

class TextDataValidation final : public CPMUnknown<ITextDataValidation> {
public:
    explicit TextDataValidation(IPMUnknown* boss) : CPMUnknown<ITextDataValidation>(boss) {}
    void SetMinimum(PMReal minimum) override { fMinimum = minimum; }
    void SetMaximum(PMReal maximum) override { fMaximum = maximum; }
    PMReal GetMinimum() const override { return fMinimum; }
    PMReal GetMaximum() const override { return fMaximum; }
    void SetIntegerOnly(bool16 integerOnly) override { fIntegerOnly = integerOnly; }
    bool16 IsIntegerOnly() const override { return fIntegerOnly; }

    PMString Validate() const override {
        InterfacePtr<ITextValue> value(this, IID_ITEXTVALUE);
        bool16 isNumber = kFalse;
        const PMReal number = value ? value->GetTextAsValue(&isNumber) : 0.0;
        const bool whole = !fIntegerOnly || std::trunc(number) == number;
        if (isNumber && whole && number >= fMinimum && number <= fMaximum)
            return PMString();
        const std::string kind = fIntegerOnly ? "a whole number" : "a number";
        return PMString(
            ("Enter " + kind + " between " + Number(fMinimum) + " and " + Number(fMaximum) + ".").c_str());
    }

private:
    PMReal fMinimum = std::numeric_limits<PMReal>::lowest();
    PMReal fMaximum = std::numeric_limits<PMReal>::max();
    bool16 fIntegerOnly = kTrue;
};
} // namespace

ImplementationDeclaration MakeTextDataValidationImplementation(ImplementationID id) {
    return IMPLEMENTATION(TextDataValidation, id, false);
}
