#include "updates/loadersteps.h"

namespace loadersteps {

namespace {

struct Row
{
    int step;
    const char *frame;
    const char *english;
    const char *norwegian;
};

constexpr Row kRows[] = {
    {3, "load_one", "Checking for updates.", "Ser etter oppdateringer."},
    {6, "load_two", nullptr, nullptr},
    {9, "load_three", "Checking for updates..", "Ser etter oppdateringer.."},
    {13, "load_four", nullptr, nullptr},
    {16, "load_five", "Checking for updates.", "Ser etter oppdateringer..."},
    {19, "load_six", nullptr, nullptr},
    {21, "load_seven", "Checking for updates.", "Ser etter oppdateringer."},
    {24, "load_one", nullptr, nullptr},
    {27, "load_two", "Checking for updates.", "Ser etter oppdateringer.."},
    {31, "load_three", nullptr, nullptr},
    {34, "load_four", "Checking for updates.", "Ser etter oppdateringer..."},
    {37, "load_five", nullptr, nullptr},
    {40, "load_six", "Checking for updates.", "Ser etter oppdateringer."},
    {43, "load_seven", nullptr, nullptr},
};

} // namespace

std::optional<Step> stepAt(int step)
{
    for (const Row &row : kRows) {
        if (row.step != step)
            continue;
        return Step{QStringLiteral(":/images/resources/") + QLatin1String(row.frame) +
                        QStringLiteral(".png"),
                    QLatin1String(row.english), QLatin1String(row.norwegian)};
    }
    return std::nullopt;
}

} // namespace loadersteps
