#include "host/graphics/RecordingGraphicsPort.h"

void RecordingGraphicsPort::setdash(const std::vector<PMReal>& lengths, PMReal offset) {
    std::vector<PMReal> args = lengths;
    args.push_back(offset);
    Record("setdash", std::move(args));
}

std::vector<RecordingGraphicsPort::Operation> RecordingGraphicsPort::Find(const std::string& name) const {
    std::vector<Operation> found;
    for (const Operation& op : fOperations)
        if (op.name == name)
            found.push_back(op);
    return found;
}

std::vector<std::string> RecordingGraphicsPort::GetNames() const {
    std::vector<std::string> names;
    for (const Operation& op : fOperations)
        names.push_back(op.name);
    return names;
}

void RecordingGraphicsPort::showglyphs(const GlyphRun& run) {
    std::vector<PMReal> args{run.fontSize};
    for (size_t g = 0; g < run.glyphs.size() && g < run.positions.size(); ++g) {
        args.push_back(run.glyphs[g]);
        args.push_back(run.positions[g].X());
        args.push_back(run.positions[g].Y());
    }
    fOperations.push_back({"showglyphs", std::move(args), run.text});
}
