#pragma once

namespace orvanta {

// Maps the window definitions' Chinese font names to fonts this system has,
// and makes plain text use a font that holds every Chinese character.
void installFontSubstitutions();

} // namespace orvanta
