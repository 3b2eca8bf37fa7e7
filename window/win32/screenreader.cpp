#include "screenreader.h"

#include "widetext.h"

#include <algorithm>
#include <string>

namespace ponderival::win32 {

// UI Automation's LiveSetting property and its Assertive value, and the event of a live region's
// change: uiautomation.h has them, but MinGW-w64's does not compile as C++, and winuser.h declares
// the event for Windows 8 and later only, while the program is built for Windows 7 too.
constexpr GUID liveSettingProperty{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG assertive = 2;
constexpr DWORD liveRegionChanged = 0x8019;
constexpr auto clientObject = static_cast<DWORD>(OBJID_CLIENT);

namespace {

template <typename Function> Function *comFunction(HMODULE ole32, const char *name)
{
    const FARPROC address = ole32 != nullptr ? GetProcAddress(ole32, name) : nullptr;
    return reinterpret_cast<Function *>(reinterpret_cast<void *>(address));
}

} // namespace

ScreenReader::~ScreenReader()
{
    m_services.reset();
    if (SUCCEEDED(m_apartment)) {
        comFunction<decltype(CoUninitialize)>(m_ole32, "CoUninitialize")();
    }
    if (m_ole32 != nullptr) {
        FreeLibrary(m_ole32);
    }
}

void ScreenReader::create(HWND window, int firstId)
{
    for (std::size_t index = 0; index < statusSlots; ++index) {
        const auto id =
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId) + static_cast<INT_PTR>(index));
        m_status.at(index) =
            CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_GROUP | SS_NOPREFIX, 0, 0,
                            0, 0, window, id, GetModuleHandleW(nullptr), nullptr);
    }
}

// COM and the annotations take a moment to load (15 ms under Wine), so they come once the window
// is on the screen; a program that imported ole32 would load it, and all it needs, before then.
void ScreenReader::connect()
{
    m_ole32 = LoadLibraryW(L"ole32.dll");
    const auto initialize = comFunction<decltype(CoInitializeEx)>(m_ole32, "CoInitializeEx");
    const auto create = comFunction<decltype(CoCreateInstance)>(m_ole32, "CoCreateInstance");
    if (initialize == nullptr || create == nullptr) {
        return;
    }
    m_apartment = initialize(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices *services = nullptr;
    check(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                 reinterpret_cast<void **>(&services)));
    m_services.reset(services);
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = assertive;
    for (const HWND status : m_status) {
        if (m_services && status != nullptr) {
            check(m_services->SetHwndProp(status, clientObject, CHILDID_SELF, liveSettingProperty,
                                          setting));
            m_annotated.emplace_back(status, clientObject, &liveSettingProperty);
        }
    }
}

void ScreenReader::release()
{
    for (const auto &[control, object, property] : m_annotated) {
        check(m_services->ClearHwndProps(control, object, CHILDID_SELF, property, 1));
    }
    m_annotated.clear();
}

// One change of one live region, so that the answer is never heard after its caption.
void ScreenReader::say(const Announcement &announcement)
{
    const HWND status = m_status.at(m_next);
    m_next = (m_next + 1) % statusSlots;
    SetWindowTextW(status, toWide(announcement.text()).c_str());
    NotifyWinEvent(liveRegionChanged, status, OBJID_CLIENT, CHILDID_SELF);
}

// An empty text gives the control back the property it has of its own. Where there is no
// annotation, the event still tells a screen reader to read the control's own name again.
void ScreenReader::annotate(HWND control, const MSAAPROPID &property, DWORD changed,
                            std::string_view text, LONG object)
{
    const auto id = static_cast<DWORD>(object);
    if (m_services) {
        check(text.empty() ? m_services->ClearHwndProps(control, id, CHILDID_SELF, &property, 1)
                           : m_services->SetHwndPropStr(control, id, CHILDID_SELF, property,
                                                        toWide(text).c_str()));
        const Annotation annotation{control, id, &property};
        if (std::find(m_annotated.begin(), m_annotated.end(), annotation) == m_annotated.end()) {
            m_annotated.push_back(annotation);
        }
    }
    NotifyWinEvent(changed, control, object, CHILDID_SELF);
}

// Wine has no annotations (E_NOTIMPL): the controls then keep what they say of themselves. Any
// other failure is ours; it is noted for a debugger and for the tests, and the window goes on.
void ScreenReader::check(HRESULT result)
{
    if (FAILED(result) && result != E_NOTIMPL && m_fault == S_OK) {
        m_fault = result;
        OutputDebugStringW(L"Ponderival: a screen reader's annotation failed\n");
    }
}

} // namespace ponderival::win32
