#include "app/startatlogin.h"

std::unique_ptr<StartAtLogin> StartAtLogin::make()
{
    return std::make_unique<NoStartAtLogin>();
}
