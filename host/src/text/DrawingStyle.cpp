// DrawingStyle: the adornments attribute reports attach to a run, one per key class.
#include <map>

#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/objectmodel/InterfacePtr.h"
#include "host/text/IDrawingStyle.h"

namespace {
class DrawingStyle final : public CPMUnknown<IDrawingStyle> {
public:
    explicit DrawingStyle(IPMUnknown* boss) : CPMUnknown<IDrawingStyle>(boss) {}

    void SetTextAdornment(ClassID key, ClassID adornment) override {
        if (adornment == kInvalidClass)
            fAdornments.erase(key);
        else
            fAdornments[key] = adornment;
    }
    ClassID GetTextAdornment(ClassID key) const override {
        const auto found = fAdornments.find(key);
        return found == fAdornments.end() ? kInvalidClass : found->second;
    }
    std::vector<ClassID> GetTextAdornments() const override {
        std::vector<ClassID> adornments;
        for (const auto& [key, adornment] : fAdornments)
            adornments.push_back(adornment);
        return adornments;
    }

private:
    std::map<ClassID, ClassID> fAdornments;
};
} // namespace

ImplementationDeclaration MakeDrawingStyleImplementation(ImplementationID id) {
    return IMPLEMENTATION(DrawingStyle, id, false);
}
