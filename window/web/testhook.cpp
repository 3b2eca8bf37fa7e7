#include "frmponderival.h"

#include <cstdint>
#include <string>

// Built into the test page only, never into the page that is handed out: it opens a few steps
// before the sum of the houses before the candidate leaves the 32-bit range (at n = 65,536), so
// that a test reaches the overflow report in a fraction of a second. The texts go through the
// window's model like any step's, and satisfy the panel's invariants.
namespace {

constexpr std::int64_t startHouse = 65530;

void nearOverflow(ponderival::Panel &panel)
{
    using ponderival::Field;
    panel.setText(Field::lblN, std::to_string(startHouse));
    panel.setText(Field::lblTot, std::to_string(startHouse * (startHouse + 1) / 2));
    panel.setText(Field::lblCivico, std::to_string(startHouse + 1));
}

} // namespace

int main()
{
    ponderival::web::window().model().run(nearOverflow);
    return 0;
}
