#include "frmponderival.h"
#include "searchfixtures.h"

// Built into the test page only, never into the page that is handed out: it opens a few steps
// before the sum of the houses before the candidate leaves the 32-bit range (at n = 65,536), so
// that a test reaches the overflow report in a fraction of a second.
int main()
{
    searchfixtures::placeBefore(ponderival::web::window().model(), 65530);
    return 0;
}
