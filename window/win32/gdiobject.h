#pragma once

#include <utility>
#include <windows.h>

namespace ponderival::win32 {

// Owns one GDI object, a font or a brush, and deletes it when it goes.
template <typename Handle> class GdiObject
{
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    GdiObject(GdiObject &&other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept
    {
        reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    [[nodiscard]] Handle get() const { return m_handle; }

    void reset(Handle handle = nullptr)
    {
        if (m_handle != nullptr && m_handle != handle) {
            DeleteObject(m_handle);
        }
        m_handle = handle;
    }

private:
    Handle m_handle = nullptr;
};

using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;

} // namespace ponderival::win32
