#include "descriptionjson.h"
#include "frmponderivaldescription.h"

#include <cstdio>
#include <string_view>

namespace {

namespace form = ponderival::form;

// "name x y" for each seen control's centre, in pixels at 96 dpi, for scripts that click the
// window from outside.
void printPlaces()
{
    for (const form::Control &control : form::controls) {
        if (control.visible) {
            const form::Twips &place = control.place;
            std::printf("%.*s %d %d\n", static_cast<int>(control.name.size()), control.name.data(),
                        form::pixels(place.left + place.width / 2),
                        form::pixels(place.top + place.height / 2));
        }
    }
}

} // namespace

// With no argument, the seen controls' centres; with --json, the whole description.
int main(int argc, char *argv[])
{
    if (argc > 1 && std::string_view(argv[1]) == "--json") {
        std::fputs(ponderival::form::descriptionJson().c_str(), stdout);
    } else {
        printPlaces();
    }
    return 0;
}
