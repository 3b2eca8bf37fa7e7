#pragma once

#include "narrator.h"
#include "windowport.h"

#include <array>
#include <cstddef>
#include <memory>
#include <oleacc.h>
#include <string_view>
#include <tuple>
#include <vector>
#include <windows.h>

namespace ponderival::win32 {

// What a screen reader is told beyond what Windows says of the controls. A message is the new text
// of a status control marked as an assertive live region, which NVDA and Narrator speak whatever
// has the focus; names and descriptions are annotations laid over what the controls give. A part
// that the system lacks (Wine has no annotations) leaves the rest working.
class ScreenReader
{
public:
    ScreenReader() = default;
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;
    ScreenReader(ScreenReader &&) = delete;
    ScreenReader &operator=(ScreenReader &&) = delete;

    // The status controls, with ids from firstId on: shown, so that no event of theirs is dropped,
    // but of no size.
    void create(HWND window, int firstId);
    // Takes COM and the annotations: until then names and descriptions are only announced.
    void connect();
    // Takes back every annotation while the controls are still there.
    void release();

    void say(const Announcement &announcement);
    void setName(HWND control, std::string_view name)
    {
        annotate(control, PROPID_ACC_NAME, EVENT_OBJECT_NAMECHANGE, name);
    }
    void setDescription(HWND control, std::string_view description)
    {
        annotate(control, PROPID_ACC_DESCRIPTION, EVENT_OBJECT_DESCRIPTIONCHANGE, description);
    }
    // The window as a screen reader names it on opening, whether it asks the window or its client.
    void nameWindow(HWND window, std::string_view name)
    {
        annotate(window, PROPID_ACC_NAME, EVENT_OBJECT_NAMECHANGE, name, OBJID_WINDOW);
        setName(window, name);
    }

    [[nodiscard]] bool connected() const { return m_services != nullptr; }
    // The first failure that no missing part of the system explains, or S_OK: a fault of ours.
    [[nodiscard]] HRESULT fault() const { return m_fault; }

private:
    struct Release
    {
        void operator()(IUnknown *object) const { object->Release(); }
    };

    using Annotation = std::tuple<HWND, DWORD, const MSAAPROPID *>;

    void annotate(HWND control, const MSAAPROPID &property, DWORD changed, std::string_view text,
                  LONG object = OBJID_CLIENT);
    void check(HRESULT result);

    // COM for this thread, taken while the window lives; given back after the services.
    HMODULE m_ole32 = nullptr;
    HRESULT m_apartment = CO_E_NOTINITIALIZED;
    std::unique_ptr<IAccPropServices, Release> m_services;
    std::array<HWND, statusSlots> m_status{};
    std::size_t m_next = 0;
    std::vector<Annotation> m_annotated;
    HRESULT m_fault = S_OK;
};

} // namespace ponderival::win32
