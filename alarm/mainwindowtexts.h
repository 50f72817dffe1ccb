#pragma once

#include "kit/texttable.h"

// The main window's texts in both languages: the form's, row by row, and those of its status
// line and questions.
namespace mainwindowtexts {

extern const texttable::Table kForm;

extern const Bilingual kActiveStatus;
extern const Bilingual kInactiveStatus;
extern const Bilingual kNotSaved;
extern const Bilingual kSnoozedUntil;
extern const Bilingual kDeleteQuestion;
// An alarm file that could not be read whole, told once as the window opens.
extern const Bilingual kFileSetAside;
extern const Bilingual kValuesSetAside;
extern const Bilingual kFileNotSetAside;

} // namespace mainwindowtexts
