// Runs the pagehost program and captures its exit status, standard output and standard error.
#pragma once

#include <string>
#include <vector>

struct PagehostRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs bin/pagehost of the build tree with the arguments (each quoted for the shell).
PagehostRun RunPagehost(const std::vector<std::string>& arguments);
