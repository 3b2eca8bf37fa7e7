#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"

#include <array>
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

// What the page shows, and leaves on screen, when the search cannot be loaded or started.
inline constexpr std::string_view loadFailedTitle = "Ponderival non si è avviato";
inline constexpr std::string_view loadFailedText =
    "Non è stato possibile caricare la ricerca, che è un modulo WebAssembly: il file non è "
    "arrivato o è danneggiato, oppure il browser non esegue WebAssembly. Ricaricare la pagina può "
    "aiutare.";
inline constexpr std::string_view reloadText = "Ricarica la pagina";

// The page's own elements beside the controls, which take their controls' names as ids. The
// page's script finds them by these ids.
inline constexpr std::string_view liveRegionId = "annunci";
inline constexpr std::string_view reportId = "erroreRunTime";
inline constexpr std::string_view reportTitleId = "erroreRunTimeTitolo";
inline constexpr std::string_view reportTextId = "erroreRunTimeTesto";
inline constexpr std::string_view acknowledgeId = "erroreRunTimeOk";
inline constexpr std::string_view endedId = "terminato";
// The end line's text, which also describes its link to a screen reader.
inline constexpr std::string_view endedTextId = "terminatoTesto";
inline constexpr std::string_view restartId = "avviaDiNuovo";
inline constexpr std::string_view noScriptId = "senzaScript";
inline constexpr std::string_view loadFailedId = "avvioFallito";
inline constexpr std::string_view loadFailedTitleId = "avvioFallitoTitolo";
inline constexpr std::string_view loadFailedTextId = "avvioFallitoTesto";
inline constexpr std::string_view reloadId = "avvioFallitoRicarica";
// The single-file page carries its WebAssembly in an element of this id.
inline constexpr std::string_view embeddedWasmId = "moduloIncorporato";

// Titles are drawn in the window font's bold, as a desktop draws a small window's title.
inline constexpr Font headingFont{windowFont.face, windowFont.points, true};

// A text of the page's own, the element that shows it and the font it is drawn in: the page's
// style sheet draws each element in its font, and the fonts the page brings are cut down to the
// characters drawn in them. The report shows the search's own title and texts of an error.
struct PageText
{
    std::string_view id;
    std::string_view text;
    Font font;
};

inline constexpr PageText reportTitle{reportTitleId, {}, headingFont};
inline constexpr PageText reportText{reportTextId, {}, windowFont};

inline constexpr std::array pageTexts{
    PageText{endedTextId, endedText, windowFont},
    PageText{restartId, restartText, windowFont},
    PageText{noScriptId, noScriptText, windowFont},
    reportTitle,
    reportText,
    PageText{acknowledgeId, acknowledgeText, windowFont},
    PageText{loadFailedTitleId, loadFailedTitle, headingFont},
    PageText{loadFailedTextId, loadFailedText, windowFont},
    PageText{reloadId, reloadText, windowFont},
};

// Windows ships this scalable face in its regular weight alone: the page names no bold of it, and
// its bold texts come from the substitute.
inline constexpr std::string_view regularOnlyFace = "Microsoft Sans Serif";

} // namespace ponderival::form::page
