#include "pendingtexts.h"

namespace ponderival {

void PendingTexts::set(Field field, std::string_view text)
{
    const auto index = static_cast<std::size_t>(field);
    m_texts.at(index).assign(text);
    m_written.at(index) = true;
}

} // namespace ponderival
