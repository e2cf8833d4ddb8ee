#include "NewCommand.h"

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

// The layout description's text, or the sentence that says why it cannot be read.
bool ReadText(const std::string& path, std::string* text, std::string* problem) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        *problem = "The layout description " + path + " is a folder, not a file.";
        return false;
    }
    if (!std::filesystem::exists(path, error)) {
        *problem = "The layout description " + path + " does not exist.";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!in || buffer.bad()) {
        *problem = "The layout description " + path + " cannot be read.";
        return false;
    }
    *text = buffer.str();
    return true;
}
} // namespace

int NewCommand::Run() const {
    if (const auto refusal = OutputPath::Refusal(fDocumentPath, {fLayoutPath}))
        return Fail(*refusal);
    std::string text;
    std::string problem;
    if (!ReadText(fLayoutPath, &text, &problem))
        return Fail(problem);
    const LayoutParser::Result parsed = LayoutParser::Parse(text);
    if (!parsed.ok)
        return Fail(parsed.Message());
    const LayoutBuilder::Result built = LayoutBuilder::Build(parsed.description);
    if (built.error != kSuccess)
        return Fail(built.message);

    // The document file is written beside the target and renamed over it, so no reader ever sees a
    // half-written document under the target's name.
    std::string message;
    const ErrorCode saved = DocumentManager::Instance().SaveACopy(built.document, fDocumentPath, &message);
    DocumentManager::Instance().CloseDocument(built.document);
    if (saved != kSuccess)
        return Fail(message);
    return 0;
}
