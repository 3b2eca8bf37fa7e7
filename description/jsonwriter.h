#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace ponderival::form {

// A JSON object or array written member by member, in the order given. Texts are UTF-8 and need
// no escapes beyond quotes, backslashes and line breaks.
class JsonWriter
{
public:
    // A member whose value is already JSON: a number, an object, an array.
    JsonWriter &raw(std::string_view key, std::string_view value)
    {
        m_out << separator() << quoted(key) << ':' << value;
        return *this;
    }
    JsonWriter &text(std::string_view key, std::string_view value)
    {
        return raw(key, quoted(value));
    }
    JsonWriter &number(std::string_view key, double value)
    {
        std::ostringstream number;
        number << value;
        return raw(key, number.str());
    }
    JsonWriter &flag(std::string_view key, bool value)
    {
        return raw(key, value ? "true" : "false");
    }

    // An element of an array.
    JsonWriter &element(std::string_view value)
    {
        m_out << separator() << value;
        return *this;
    }

    [[nodiscard]] std::string object() const { return enclosed('{', '}'); }
    [[nodiscard]] std::string array() const { return enclosed('[', ']'); }

    [[nodiscard]] static std::string quoted(std::string_view text)
    {
        std::string out = "\"";
        for (const char c : text) {
            if (c == '"' || c == '\\') {
                out += '\\';
                out += c;
            } else if (c == '\n') {
                out += "\\n";
            } else {
                out += c;
            }
        }
        return out + '"';
    }

private:
    // Appended rather than concatenated, which GCC 12 mistakes at -O3 for overlapping copies.
    [[nodiscard]] std::string enclosed(char open, char close) const
    {
        std::string text(1, open);
        text += m_out.str();
        text += close;
        return text;
    }
    const char *separator() { return std::exchange(m_first, false) ? "" : ","; }

    std::ostringstream m_out;
    bool m_first = true;
};

} // namespace ponderival::form
