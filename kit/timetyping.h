#pragma once

class QTimeEdit;

namespace timetyping {

// Lets the field take a time as people type one: digits fill the parts from where the
// cursor or selection starts ("0730", "7:30" and "07:30:00" all give 07:30:00), a ":" after
// a full part moves nowhere, and the parts after the last one typed become zero. Arrow keys,
// the wheel and every other key keep the field's own behaviour.
void install(QTimeEdit *field);

} // namespace timetyping
