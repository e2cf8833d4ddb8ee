// NewTableCmdData: holds what the new-table command makes.
#include "TextImplementations.h"
#include "host/objectmodel/CPMUnknown.h"
#include "host/objectmodel/ClassRegistry.h"
#include "host/text/INewTableCmdData.h"

namespace {
class NewTableCmdData final : public CPMUnknown<INewTableCmdData> {
public:
    explicit NewTableCmdData(IPMUnknown* boss) : CPMUnknown<INewTableCmdData>(boss) {}

    void Set(TextIndex position, const std::vector<PMReal>& columnWidths,
             const std::vector<PMReal>& rowHeights) override {
        fPosition = position;
        fColumnWidths = columnWidths;
        fRowHeights = rowHeights;
    }
    void SetCellTexts(const std::vector<WideString>& texts) override { fCellTexts = texts; }
    TextIndex GetPosition() const override { return fPosition; }
    const std::vector<PMReal>& GetColumnWidths() const override { return fColumnWidths; }
    const std::vector<PMReal>& GetRowHeights() const override { return fRowHeights; }
    const std::vector<WideString>& GetCellTexts() const override { return fCellTexts; }

private:
    TextIndex fPosition = 0;
    std::vector<PMReal> fColumnWidths;
    std::vector<PMReal> fRowHeights;
    std::vector<WideString> fCellTexts;
};
} // namespace

ImplementationDeclaration MakeNewTableCmdDataImplementation(ImplementationID id) {
    return IMPLEMENTATION(NewTableCmdData, id, false);
}
