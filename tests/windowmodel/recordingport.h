#pragma once

#include "colour.h"
#include "windowmodel.h"
#include "windowport.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A window that writes down everything its model asks of it, in order, as one line each; and a
// clock that moves only when a test moves it.
class RecordingPort final : public ponderival::WindowPort
{
public:
    void showText(ponderival::Field field, std::string_view text) override
    {
        add("text " + name(field) + " \"" + std::string(text) + '"');
        if (m_failOnText) {
            throw std::runtime_error("the label is gone");
        }
    }
    void setStopCaption(std::string_view caption) override
    {
        add("caption \"" + std::string(caption) + '"');
    }
    void setStopFace(ponderival::Colour face) override { add("face " + ponderival::hexText(face)); }
    void startTicks(std::chrono::milliseconds interval) override
    {
        add("start " + std::to_string(interval.count()) + " ms");
    }
    void stopTicks() override { add("stop"); }
    void say(const ponderival::Announcement &announcement) override
    {
        says.push_back(announcement);
        add("say \"" + announcement.message + "\" \"" + announcement.followUp + '"');
    }
    void nameField(ponderival::Field field, std::string_view name) override
    {
        names.push_back({field, std::string(name), clock});
        add("name " + this->name(field) + " \"" + std::string(name) + '"');
    }
    void describeStop(std::string_view description) override
    {
        add("describe \"" + std::string(description) + '"');
    }
    void reportError(const ponderival::RuntimeError &error) override
    {
        add("report " + std::to_string(error.number()) + " " + error.description());
        if (m_failOnReport) {
            throw std::runtime_error("no report can be shown");
        }
    }
    void close(int exitStatus) override
    {
        closedWith.push_back(exitStatus);
        add("close " + std::to_string(exitStatus));
    }

    [[nodiscard]] std::vector<std::string> takeLog() { return std::exchange(m_log, {}); }
    void clearLog() { m_log.clear(); }
    void failOnText() { m_failOnText = true; }
    void failOnReport() { m_failOnReport = true; }

    struct Named
    {
        ponderival::Field field;
        std::string name;
        std::chrono::milliseconds at;
    };

    std::vector<ponderival::Announcement> says;
    std::vector<Named> names;
    std::vector<int> closedWith;
    // The model's clock in these tests, which moves only when a test moves it.
    static inline std::chrono::milliseconds clock{0};
    static ponderival::WindowModel::Clock::time_point now()
    {
        return ponderival::WindowModel::Clock::time_point(clock);
    }

private:
    void add(std::string entry) { m_log.push_back(std::move(entry)); }
    static std::string name(ponderival::Field field)
    {
        return std::string(ponderival::fieldName(field));
    }

    std::vector<std::string> m_log;
    bool m_failOnText = false;
    bool m_failOnReport = false;
};
