#include "PagehostRun.h"

#include <sys/wait.h>

#include <cstdlib>

#include "TestSupport.h"

namespace {
std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
} // namespace

PagehostRun RunPagehost(const std::vector<std::string>& arguments) {
    const std::filesystem::path dir = TestSupport::MakeTempDir("run");
    std::string command = Quote((TestSupport::BinaryDir() / "bin" / "pagehost").string());
    for (const std::string& argument : arguments)
        command += " " + Quote(argument);
    command += " >" + Quote((dir / "out").string()) + " 2>" + Quote((dir / "err").string());
    PagehostRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = TestSupport::ReadFile(dir / "out");
    run.err = TestSupport::ReadFile(dir / "err");
    return run;
}
