#include "descriptionjson.h"

#include <cstdio>

// The window's description as JSON, for the build, the tests and the scripts that look at a window
// from outside (with or without the --json that older callers pass).
int main()
{
    std::fputs(ponderival::form::descriptionJson().c_str(), stdout);
    return 0;
}
