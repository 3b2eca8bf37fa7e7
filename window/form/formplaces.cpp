#include "colour.h"
#include "frmponderivaldescription.h"
#include "jsonwriter.h"

#include <cstdio>
#include <string>
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

// What a test or script looks for, as JSON: each control's text, accessible name, heading,
// background and place (pixels at 96 dpi), and cmdStop's caption while running.
void printJson()
{
    form::JsonWriter controls;
    for (const form::Control &control : form::controls) {
        const form::Twips &place = control.place;
        controls.raw(control.name, form::JsonWriter()
                                       .text("text", control.text)
                                       .text("accessibleName", control.accessibleName)
                                       .text("heading", control.heading)
                                       .text("background", hexText(control.background))
                                       .number("left", form::pixels(place.left))
                                       .number("top", form::pixels(place.top))
                                       .number("width", form::pixels(place.width))
                                       .number("height", form::pixels(place.height))
                                       .object());
    }
    const std::string json = form::JsonWriter()
                                 .text("title", form::title)
                                 .text("runningCaption", form::stopRunningLook.caption)
                                 .raw("controls", controls.object())
                                 .object();
    std::printf("%s\n", json.c_str());
}

} // namespace

// With no argument, the seen controls' centres; with --json, everything above.
int main(int argc, char *argv[])
{
    if (argc > 1 && std::string_view(argv[1]) == "--json") {
        printJson();
    } else {
        printPlaces();
    }
    return 0;
}
