#include "narrator.h"

namespace ponderival {

namespace {

// Each field's column heading, found in the table once, when the program is built.
constexpr auto headings = [] {
    std::array<std::string_view, fieldCount> texts{};
    for (std::size_t field = 0; field < fieldCount; ++field) {
        const std::string_view heading = fieldControl(static_cast<Field>(field)).control().heading;
        texts.at(field) = heading.empty() ? "" : form::findControl(heading).value().text;
    }
    return texts;
}();

} // namespace

std::string spokenName(Field field, std::string_view text)
{
    std::string name(headings.at(static_cast<std::size_t>(field)));
    if (!text.empty()) {
        name.append(" ").append(text);
    }
    return name;
}

std::string spokenSummary(const Panel &panel)
{
    std::string summary;
    for (const Field field : seenFields) {
        const std::string text = panel.text(field);
        if (!text.empty()) {
            summary.append(summary.empty() ? "" : ", ").append(spokenName(field, text));
        }
    }
    return summary;
}

Narrator::Narrator(const Panel &panel) : m_running(panel.timerEnabled())
{
    for (std::size_t index = 0; index < seenFields.size(); ++index) {
        m_names.at(index) = spokenName(seenFields.at(index), panel.text(seenFields.at(index)));
    }
}

void Narrator::nameSeenFields(WindowPort &port)
{
    for (std::size_t index = 0; index < seenFields.size(); ++index) {
        port.nameField(seenFields.at(index), m_names.at(index));
    }
}

void Narrator::eventHandled(const Panel &panel, std::string_view caption, WindowPort &port,
                            Clock::time_point now)
{
    const bool running = panel.timerEnabled();
    if (running != m_running) {
        m_running = running;
        nameFields(panel, port, now);
        runChanged(panel, caption, port);
    } else if (!running || now - m_named >= namePacing) {
        nameFields(panel, port, now);
    }
}

void Narrator::nameFields(const Panel &panel, WindowPort &port, Clock::time_point now)
{
    m_named = now;
    for (std::size_t index = 0; index < seenFields.size(); ++index) {
        const Field field = seenFields.at(index);
        std::string name = spokenName(field, panel.text(field));
        if (name != m_names.at(index)) {
            m_names.at(index) = std::move(name);
            port.nameField(field, m_names.at(index));
        }
    }
}

void Narrator::runChanged(const Panel &panel, std::string_view caption, WindowPort &port)
{
    if (panel.timerEnabled()) {
        port.describeStop("");
        port.say({std::string(caption), {}});
        return;
    }
    const std::string answer = spokenSummary(panel);
    port.describeStop(answer);
    if (panel.text(Field::lblCase).empty()) {
        port.say({std::string(caption), {}});
    } else {
        port.say({answer, std::string(caption)});
    }
}

} // namespace ponderival
