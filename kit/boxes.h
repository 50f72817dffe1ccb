#pragma once

#include "kit/bilingual.h"

class QMessageBox;
class QString;
class QWidget;

namespace boxes {

// Keeps the box within the screen it opens on: a text too long for it scrolls inside the
// box, so its buttons stay visible. Call it just before exec(); a box that fits is untouched.
void fitToScreen(QMessageBox &box);

// Tells that a page could not be opened, with its address in the text, which can be selected and
// copied.
void giveAddress(QWidget *parent, const QString &title, const QString &text);

// Asks a Yes/No question in the language, No being the default: Enter keeps things as they
// are, and a change takes a deliberate Yes. True for Yes.
bool ask(QWidget *parent, const QString &title, const QString &question, Language language);

} // namespace boxes
