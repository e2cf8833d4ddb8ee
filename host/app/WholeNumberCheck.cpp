#include "WholeNumberCheck.h"

#include <cctype>

CLI::Validator WholeNumberCheck(const std::string& what) {
    return CLI::Validator(
        [what](std::string& value) -> std::string {
            const size_t digits = !value.empty() && (value[0] == '-' || value[0] == '+') ? 1 : 0;
            bool whole = value.size() > digits;
            for (size_t i = digits; i < value.size(); ++i)
                whole = whole && std::isdigit(static_cast<unsigned char>(value[i]));
            return whole ? std::string() : "the " + what + " \"" + value + "\" is not a whole number";
        },
        "WHOLE NUMBER");
}
