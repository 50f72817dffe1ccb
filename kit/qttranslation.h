#pragma once

#include "kit/bilingual.h"

namespace qttranslation {

// Shows Qt's own texts (the file chooser, the text fields' menus, the standard buttons) in
// the language: installs the Bokmål catalogue for Norwegian and removes it for English.
// False when the catalogue could not be loaded.
bool use(Language language);

} // namespace qttranslation
