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

// The page's own elements beside the controls, which take their controls' names as ids. The key
// names an element to the page's script and to the tests, which find it by its id.
struct Element
{
    std::string_view key;
    std::string_view id;
};

inline constexpr Element liveRegion{"liveRegion", "annunci"};
inline constexpr Element report{"report", "erroreRunTime"};
inline constexpr Element reportTitle{"reportTitle", "erroreRunTimeTitolo"};
inline constexpr Element reportText{"reportText", "erroreRunTimeTesto"};
inline constexpr Element acknowledgeButton{"acknowledgeButton", "erroreRunTimeOk"};
inline constexpr Element endedLine{"endedLine", "terminato"};
// The end line's text, which also describes its link to a screen reader.
inline constexpr Element endedLineText{"endedLineText", "terminatoTesto"};
inline constexpr Element restartLink{"restartLink", "avviaDiNuovo"};
inline constexpr Element noScriptLine{"noScriptLine", "senzaScript"};
inline constexpr Element loadFailed{"loadFailed", "avvioFallito"};
inline constexpr Element loadFailedHeading{"loadFailedHeading", "avvioFallitoTitolo"};
inline constexpr Element loadFailedMessage{"loadFailedMessage", "avvioFallitoTesto"};
inline constexpr Element reloadLink{"reloadLink", "avvioFallitoRicarica"};
// The single-file page carries its WebAssembly in an element of this id.
inline constexpr Element embeddedWasm{"embeddedWasm", "moduloIncorporato"};

inline constexpr std::array elements{
    liveRegion,    report,      reportTitle,  reportText, acknowledgeButton, endedLine,
    endedLineText, restartLink, noScriptLine, loadFailed, loadFailedHeading, loadFailedMessage,
    reloadLink,    embeddedWasm};

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

inline constexpr PageText reportHeading{reportTitle.id, {}, headingFont};
inline constexpr PageText reportMessage{reportText.id, {}, windowFont};

inline constexpr std::array pageTexts{
    PageText{endedLineText.id, endedText, windowFont},
    PageText{restartLink.id, restartText, windowFont},
    PageText{noScriptLine.id, noScriptText, windowFont},
    reportHeading,
    reportMessage,
    PageText{acknowledgeButton.id, acknowledgeText, windowFont},
    PageText{loadFailedHeading.id, loadFailedTitle, headingFont},
    PageText{loadFailedMessage.id, loadFailedText, windowFont},
    PageText{reloadLink.id, reloadText, windowFont},
};

// Windows ships this scalable face in its regular weight alone: the page names no bold of it, and
// its bold texts come from the substitute.
inline constexpr std::string_view regularOnlyFace = "Microsoft Sans Serif";

} // namespace ponderival::form::page
