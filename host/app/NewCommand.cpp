#include "NewCommand.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "OutputPath.h"
#include "host/document/DocumentManager.h"
#include "host/document/LayoutBuilder.h"
#include "host/document/LayoutParser.h"

namespace {
int Fail(const std::string& message) {
    std::fprintf(stderr, "pagehost: %s\n", message.c_str());
    return 1;
}

bool ReadText(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    *text = buffer.str();
    return true;
}
} // namespace

int NewCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(fDocumentPath, {fLayoutPath}))
        return Fail(*refusal);
    std::string text;
    if (!ReadText(fLayoutPath, &text))
        return Fail("The layout description " + fLayoutPath + " cannot be read.");
    const LayoutParser::Result parsed = LayoutParser::Parse(text);
    if (!parsed.ok)
        return Fail(parsed.Message());
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    if (built.error != kSuccess)
        return Fail(built.message);

    // Saved beside the target under a passing name, then renamed, so that no reader ever sees a
    // half-written document under the target's name.
    const std::string partial = fDocumentPath + ".partial-" + std::to_string(getpid());
    std::string message;
    const ErrorCode saved = DocumentManager::Instance().SaveACopy(built.document, partial, &message);
    DocumentManager::Instance().CloseDocument(built.document);
    std::error_code error;
    if (saved == kSuccess)
        std::filesystem::rename(partial, fDocumentPath, error);
    if (saved != kSuccess || error) {
        std::filesystem::remove(partial, error);
        return Fail(saved != kSuccess ? message : "The document cannot be written to " + fDocumentPath + ".");
    }
    return 0;
}
