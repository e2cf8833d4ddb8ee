// A stand-in for the plug-in's new-text-markup command (story in the item list, kind and range in
// its data; the new markup out), declared only while the plug-in declares none, so that what
// accept and reject leave behind with the convert-to-highlight option can be tested. It marks the
// range the way the fixture does; the note rectangle beside the page is not its business.
#pragma once

namespace TextMarkupFixture {
void DeclareNewTextMarkupStandIn();
} // namespace TextMarkupFixture
