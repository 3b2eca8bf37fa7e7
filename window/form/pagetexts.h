#pragma once

#include "colour.h"

#include <string_view>

// What the web page shows and says around the window itself, written once for the page, the
// program that writes it and its tests. The window's own texts, places and colours stay in
// frmponderivaldescription.h.
namespace ponderival::form::page {

inline constexpr std::string_view language = "it";
// The name an installed page goes by on the desktop, its menus and its task bar.
inline constexpr std::string_view appName = "Ponderival";

// The window has no frame of its own and floats on a grey that none of its controls uses.
inline constexpr ponderival::Colour backdrop{0x808080};

// Once the program has ended and the browser keeps the tab open, this is all the tab shows.
inline constexpr std::string_view endedText = "Ponderival è terminato.";
inline constexpr std::string_view restartText = "Avvia di nuovo";

// The one button of the run-time error report.
inline constexpr std::string_view acknowledgeText = "OK";

inline constexpr std::string_view noScriptText =
    "Ponderival cerca le soluzioni con JavaScript e WebAssembly: attivarli per usarlo.";

// The page's own elements beside the controls, which take their controls' names as ids. The
// page's script finds them by these ids.
inline constexpr std::string_view liveRegionId = "annunci";
inline constexpr std::string_view reportId = "erroreRunTime";
inline constexpr std::string_view reportTitleId = "erroreRunTimeTitolo";
inline constexpr std::string_view reportTextId = "erroreRunTimeTesto";
inline constexpr std::string_view acknowledgeId = "erroreRunTimeOk";
inline constexpr std::string_view endedId = "terminato";
// The single-file page carries its WebAssembly in an element of this id.
inline constexpr std::string_view embeddedWasmId = "moduloIncorporato";

} // namespace ponderival::form::page
