#include "singlepage.h"

#include "pagecss.h"
#include "pagetexts.h"
#include "webicons.h"

namespace ponderival::web {

namespace {

std::string wasmFile()
{
    const std::string script = moduleScript;
    return script.substr(0, script.rfind('.')) + ".wasm";
}

} // namespace

PageHead singleHead()
{
    const std::string policy =
        "default-src 'none'; script-src @@hashes:script@@ 'wasm-unsafe-eval'; "
        "style-src @@hashes:style@@; img-src data:; font-src data:; object-src 'none'; "
        "base-uri 'none'; form-action 'none'";
    const std::string resources =
        std::string(R"(<link rel="icon" href="@@data:image/png:)") +
        iconFile(webIconSizes.front()) + "@@\">\n<style>@@style:" + singleStyleSheet +
        "@@</style>\n" + R"(<script type="application/octet-stream" id=")" +
        std::string(form::page::embeddedWasm.id) + "\">@@base64:" + wasmFile() + "@@</script>\n";
    return {policy, resources, std::string("<script>@@script:") + moduleScript + "@@</script>\n",
            pageScriptElement()};
}

std::string singleCss()
{
    return pageCss([](const std::string &file) { return "@@data:font/woff2:" + file + "@@"; });
}

} // namespace ponderival::web
