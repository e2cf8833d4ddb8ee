#include "host/commands/Command.h"

#include <memory>

PMString Command::GetName() {
    if (fName.IsEmpty() && !fNameMade) {
        fNameMade = true;
        std::unique_ptr<PMString> made(CreateName());
        if (made)
            fName = *made;
    }
    PMString name = fName;
    name.Translate();
    return name;
}
