#include "searchstep.h"

#include "checkedint32.h"
#include "numbertext.h"
#include "runstate.h"

namespace ponderival {

namespace {

// Adds the houses from firstHouse on. Every partial sum goes into lblTot2, not only the last one,
// and greater-than is tested before equality.
void addHousesAfterCandidate(Panel &panel, std::int32_t firstHouse, std::int32_t total)
{
    std::int32_t sum = 0;
    for (std::int32_t house = firstHouse; house <= lastHouse; ++house) {
        sum = narrowToInt32(std::int64_t{house} + std::int64_t{sum});
        panel.setText(Field::lblTot2, Int32Text(sum).view());
        if (sum > total) {
            return;
        }
        if (sum == total) {
            panel.setText(Field::lblCase, Int32Text(house).view());
            panel.setText(Field::lblTot2, Int32Text(sum).view());
            enterRunState(panel, RunState::Idle);
            return;
        }
    }
}

} // namespace

void cmdAvanti_Click(Panel &panel)
{
    panel.setText(Field::lblTot2, "");
    // n is advanced as a floating-point number and read back as an integer; both texts are the
    // same digits, so the round trip costs two conversions and changes nothing.
    panel.setText(Field::lblN, doubleToText(textToDouble(panel.text(Field::lblN)) + 1.0));
    const std::int32_t n = textToInt32(panel.text(Field::lblN));
    panel.setText(Field::lblN, int32ToText(n));
    panel.setText(Field::lblCivico, int32ToText(checkedAdd(n, 1)));
    const std::int32_t total = checkedAdd(textToInt32(panel.text(Field::lblTot)), n);
    panel.setText(Field::lblTot, int32ToText(total));
    addHousesAfterCandidate(panel, checkedAdd(checkedAdd(n, 1), 1), total);
}

} // namespace ponderival
