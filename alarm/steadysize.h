#pragma once

class QWidget;

namespace steadysize {

// Holds a widget of a vertical box layout at the size that layout gives it, following the
// layout's width as the window resizes: its contents (a label's text) can then change
// without laying the whole window out again. Takes effect when the widget is first shown.
void hold(QWidget *widget);

} // namespace steadysize
