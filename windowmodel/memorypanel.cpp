#include "memorypanel.h"

namespace ponderival {

MemoryPanel::MemoryPanel()
    : m_stopCaption(form::stopIdleLook.caption), m_stopBackground(form::stopIdleLook.background)
{
    for (std::size_t index = 0; index < fieldCount; ++index) {
        m_texts.at(index) = fieldControl(static_cast<Field>(index)).control().text;
    }
}

std::string MemoryPanel::text(Field field) const
{
    return m_texts.at(static_cast<std::size_t>(field));
}

void MemoryPanel::setText(Field field, std::string_view text)
{
    m_texts.at(static_cast<std::size_t>(field)) = text;
}

} // namespace ponderival
