#pragma once

class QWidget;

namespace screenfit {

// Keeps a window within the available area of its screen: a window that fits keeps its
// size; one that does not is shrunk, its fixed size lifted, as far as its layout gives way,
// and only where that is not enough its contents scroll. Call it at the end of the
// window's constructor.
void fit(QWidget *window);

} // namespace screenfit
