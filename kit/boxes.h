#pragma once

class QMessageBox;

namespace boxes {

// Keeps the box within the screen it opens on: a text too long for it scrolls inside the
// box, so its buttons stay visible. Call it just before exec(); a box that fits is untouched.
void fitToScreen(QMessageBox &box);

} // namespace boxes
