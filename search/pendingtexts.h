#pragma once

#include "panel.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace ponderival {

// The texts one event's procedure writes to the fields, held until it returns and then handed to
// the real labels at once. Nothing can look at a label in between (a procedure runs to its end
// before the next event, repaint included), so the labels show exactly what they would have
// shown; but a step that adds 2,929 houses costs one label update instead of 2,930.
class PendingTexts
{
public:
    // The text last written to the field during this event, or nullptr when none was.
    [[nodiscard]] const std::string *find(Field field) const
    {
        const auto index = static_cast<std::size_t>(field);
        return m_written.at(index) ? &m_texts.at(index) : nullptr;
    }

    void set(Field field, std::string_view text);

    // Calls write(field, text) once for each field written since the last commit, with its last
    // text.
    template <typename Write> void commit(Write write)
    {
        for (std::size_t index = 0; index < fieldCount; ++index) {
            if (std::exchange(m_written.at(index), false)) {
                write(static_cast<Field>(index), std::as_const(m_texts.at(index)));
            }
        }
    }

private:
    std::array<std::string, fieldCount> m_texts;
    std::array<bool, fieldCount> m_written{};
};

} // namespace ponderival
