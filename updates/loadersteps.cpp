#include "updates/loadersteps.h"

namespace loadersteps {

namespace {

// The animation's seven frames.
constexpr char kOne[] = ":/images/resources/load_one.png";
constexpr char kTwo[] = ":/images/resources/load_two.png";
constexpr char kThree[] = ":/images/resources/load_three.png";
constexpr char kFour[] = ":/images/resources/load_four.png";
constexpr char kFive[] = ":/images/resources/load_five.png";
constexpr char kSix[] = ":/images/resources/load_six.png";
constexpr char kSeven[] = ":/images/resources/load_seven.png";

constexpr Step kSteps[] = {
    {3, kOne, {"Checking for updates.", "Ser etter oppdateringer."}},
    {6, kTwo, {nullptr, nullptr}},
    {9, kThree, {"Checking for updates..", "Ser etter oppdateringer.."}},
    {13, kFour, {nullptr, nullptr}},
    {16, kFive, {"Checking for updates.", "Ser etter oppdateringer..."}},
    {19, kSix, {nullptr, nullptr}},
    {21, kSeven, {"Checking for updates.", "Ser etter oppdateringer."}},
    {24, kOne, {nullptr, nullptr}},
    {27, kTwo, {"Checking for updates.", "Ser etter oppdateringer.."}},
    {31, kThree, {nullptr, nullptr}},
    {34, kFour, {"Checking for updates.", "Ser etter oppdateringer..."}},
    {37, kFive, {nullptr, nullptr}},
    {40, kSix, {"Checking for updates.", "Ser etter oppdateringer."}},
    {43, kSeven, {nullptr, nullptr}},
};

} // namespace

const Step *stepAt(int step)
{
    for (const Step &shown : kSteps) {
        if (shown.step == step)
            return &shown;
    }
    return nullptr;
}

} // namespace loadersteps
