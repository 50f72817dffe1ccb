#pragma once

#include "kit/bilingual.h"

// The update check's loading animation: what each timer step shows.
namespace loadersteps {

// The step at which the animation ends and the verdict is shown.
inline constexpr int kVerdictStep = 45;

struct Step
{
    int step;
    // Resource path of the frame for the loading label.
    const char *frame;
    // Progress text; empty when the step leaves the text as it is.
    Bilingual text;
};

// What a step between 1 and 44 puts on screen; null for a step that changes nothing.
const Step *stepAt(int step);

} // namespace loadersteps
