#pragma once

#include <windows.h>

namespace ponderival::win32 {

// Selects a GDI object into a device context for one scope and puts the previous one back, so a
// control's context leaves a drawing handler as it came.
class SelectedObject
{
public:
    SelectedObject(HDC context, HGDIOBJ object)
        : m_context(context), m_previous(SelectObject(context, object))
    {}
    ~SelectedObject() { SelectObject(m_context, m_previous); }
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;
    SelectedObject(SelectedObject &&) = delete;
    SelectedObject &operator=(SelectedObject &&) = delete;

private:
    HDC m_context;
    HGDIOBJ m_previous;
};

} // namespace ponderival::win32
