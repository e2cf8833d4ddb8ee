// WholeNumberCheck: the command-line check of an option that takes a whole number (a page number,
// an offset), so that an empty or fractional value is refused by what it is instead of read as 0.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

// A check that accepts an optional sign followed by digits; what names the value in the refusal.
CLI::Validator WholeNumberCheck(const std::string& what);
