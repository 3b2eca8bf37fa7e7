#include "pagebridge.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

// The script hands its functions to the module as Module.page when it loads it. Texts cross as
// UTF-8 bytes with their length.
// clang-format off
EM_JS(void, ponderivalCall, (const char *name, int nameLength, const char *first,
                             int firstLength, const char *second, int secondLength,
                             const char *third, int thirdLength), {
    Module["page"][UTF8ToString(name, nameLength)](UTF8ToString(first, firstLength),
        UTF8ToString(second, secondLength), UTF8ToString(third, thirdLength));
});
EM_JS(void, ponderivalSetTimer, (int enabled, int interval), {
    Module["page"].setTimer(enabled !== 0, interval);
});
// clang-format on

namespace ponderival::web::page {

namespace {

int length(std::string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

void call(std::string_view function, std::string_view first, std::string_view second,
          std::string_view third)
{
    ponderivalCall(function.data(), length(function), first.data(), length(first), second.data(),
                   length(second), third.data(), length(third));
}

void setTimer(bool enabled, int intervalMilliseconds)
{
    ponderivalSetTimer(enabled ? 1 : 0, intervalMilliseconds);
}

} // namespace ponderival::web::page
