// Strict readers of what scripts read from the command line: JSON as
// RFC 8259 has it (no NaN, no trailing commas, no bare control characters)
// and CSV as RFC 4180 has it (quoted fields, one record per line). Each
// returns an empty string for a well-formed text, else what is wrong.
#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace fuzz {

class JsonReader {
public:
    explicit JsonReader(std::string_view text) : s_(text) {}

    std::string Check()
    {
        Space();
        if (!Value(0))
            return error_ + " at " + std::to_string(i_);
        Space();
        if (i_ != s_.size())
            return "text after the value at " + std::to_string(i_);
        return {};
    }

private:
    bool Fail(const char* what)
    {
        error_ = what;
        return false;
    }
    void Space()
    {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
            ++i_;
    }
    bool Eat(char c)
    {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool Word(std::string_view w)
    {
        if (s_.substr(i_, w.size()) != w)
            return Fail("an unknown word");
        i_ += w.size();
        return true;
    }
    bool Digits()
    {
        const std::size_t start = i_;
        while (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
            ++i_;
        return i_ > start || Fail("digits expected");
    }
    bool Number()
    {
        Eat('-');
        if (Eat('0')) {
            if (i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9')
                return Fail("a leading zero");
        } else if (!Digits()) {
            return false;
        }
        if (Eat('.') && !Digits())
            return false;
        if (Eat('e') || Eat('E')) {
            if (!Eat('+'))
                Eat('-');
            if (!Digits())
                return false;
        }
        return true;
    }
    bool String()
    {
        if (!Eat('"'))
            return Fail("a string expected");
        while (i_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[i_++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return Fail("a control character in a string");
            if (c == '\\') {
                if (i_ >= s_.size())
                    break;
                const char e = s_[i_++];
                if (e == 'u') {
                    for (int k = 0; k < 4; ++k, ++i_)
                        if (i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_])))
                            return Fail("a bad \\u escape");
                } else if (std::string_view("\"\\/bfnrt").find(e) == std::string_view::npos) {
                    return Fail("a bad escape");
                }
            }
        }
        return Fail("an unterminated string");
    }
    bool Value(int depth)
    {
        if (depth > 64)
            return Fail("nested too deep");
        if (i_ >= s_.size())
            return Fail("a value expected");
        const char c = s_[i_];
        if (c == '{' || c == '[') {
            ++i_;
            const char close = c == '{' ? '}' : ']';
            Space();
            if (Eat(close))
                return true;
            do {
                Space();
                if (c == '{') {
                    if (!String())
                        return false;
                    Space();
                    if (!Eat(':'))
                        return Fail("':' expected");
                    Space();
                }
                if (!Value(depth + 1))
                    return false;
                Space();
            } while (Eat(','));
            return Eat(close) || Fail("',' or the closing bracket expected");
        }
        if (c == '"')
            return String();
        if (c == 't')
            return Word("true");
        if (c == 'f')
            return Word("false");
        if (c == 'n')
            return Word("null");
        return Number();
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::string error_;
};

inline std::string CheckJson(std::string_view text) { return JsonReader(text).Check(); }

// Every record ends with a line feed and has the header's number of fields.
inline std::string CheckCsv(std::string_view text)
{
    std::size_t i = 0;
    std::size_t columns = 0;
    for (std::size_t record = 0; i < text.size(); ++record) {
        std::size_t fields = 1;
        for (;;) {
            if (i < text.size() && text[i] == '"') {
                ++i;
                for (;;) {
                    if (i >= text.size())
                        return "an unterminated quoted field in record " + std::to_string(record);
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    ++i;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\n') {
                    if (text[i] == '"' || text[i] == '\r')
                        return "a quote or a carriage return in an unquoted field of record " + std::to_string(record);
                    ++i;
                }
            }
            if (i >= text.size())
                return "record " + std::to_string(record) + " without its line feed";
            if (text[i] == '\n') {
                ++i;
                break;
            }
            if (text[i] != ',')
                return "text after a quoted field in record " + std::to_string(record);
            ++i;
            ++fields;
        }
        if (record == 0)
            columns = fields;
        else if (fields != columns)
            return "record " + std::to_string(record) + " has " + std::to_string(fields) + " fields, the header "
                + std::to_string(columns);
    }
    return text.empty() ? "no header" : "";
}

} // namespace fuzz
