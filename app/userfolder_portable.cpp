#include "app/userfolder.h"

void userfolder::enter() {}
