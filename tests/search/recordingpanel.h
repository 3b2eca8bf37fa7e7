#pragma once

#include "memorypanel.h"

#include <QStringList>

#include <utility>

// A panel in memory that also writes down every read and write, in order, so tests can check the
// exact sequence a procedure performs on the controls.
class RecordingPanel final : public ponderival::Panel
{
public:
    [[nodiscard]] std::string text(ponderival::Field field) const override
    {
        m_log << QStringLiteral("read %1").arg(name(field));
        return m_state.text(field);
    }
    void setText(ponderival::Field field, std::string_view text) override
    {
        m_log << QStringLiteral("write %1 \"%2\"").arg(name(field), toQString(text));
        m_state.setText(field, text);
    }
    [[nodiscard]] bool timerEnabled() const override
    {
        m_log << QStringLiteral("read Timer1");
        return m_state.timerEnabled();
    }
    void setTimerEnabled(bool enabled) override
    {
        m_log << QStringLiteral("Timer1 %1").arg(enabled ? "on" : "off");
        m_state.setTimerEnabled(enabled);
    }
    void setStopCaption(std::string_view caption) override
    {
        m_log << QStringLiteral("caption \"%1\"").arg(toQString(caption));
        m_state.setStopCaption(caption);
    }
    void setStopBackground(ponderival::Colour background) override
    {
        m_log << QStringLiteral("background 0x%1")
                     .arg(QString::number(background.value, 16).toUpper().rightJustified(6, '0'));
        m_state.setStopBackground(background);
    }

    // The state behind the log, for setting up a scene without recording it.
    [[nodiscard]] ponderival::MemoryPanel &state() { return m_state; }
    [[nodiscard]] QStringList takeLog() { return std::exchange(m_log, {}); }

private:
    static QString name(ponderival::Field field) { return toQString(ponderival::fieldName(field)); }
    static QString toQString(std::string_view text)
    {
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }

    ponderival::MemoryPanel m_state;
    mutable QStringList m_log;
};
