#pragma once

#include <string>
#include <string_view>
#include <windows.h>

// The search speaks UTF-8 and the Windows API UTF-16; the labels' texts cross here.
namespace ponderival::win32 {

[[nodiscard]] std::wstring toWide(std::string_view text);
[[nodiscard]] std::string toUtf8(std::wstring_view text);

// A window's text, for a label its caption and for a button its caption.
[[nodiscard]] std::wstring windowText(HWND window);

} // namespace ponderival::win32
