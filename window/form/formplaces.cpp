#include "frmponderivaldescription.h"

#include <cstdio>

// Prints where each seen control's centre lies in the window, in pixels at 96 dpi, one
// "name x y" line each, for scripts that click the window from outside.
int main()
{
    namespace form = ponderival::form;
    for (const form::Control &control : form::controls) {
        if (control.visible) {
            const form::Twips &place = control.place;
            std::printf("%.*s %d %d\n", static_cast<int>(control.name.size()), control.name.data(),
                        form::pixels(place.left + place.width / 2),
                        form::pixels(place.top + place.height / 2));
        }
    }
    return 0;
}
