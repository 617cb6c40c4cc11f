// Shared by the calculator tests: a tape driven by key words, and the
// separator under which a test runs.
#pragma once

#include <gtest/gtest.h>
#include <pthread.h>

#include <functional>
#include <sstream>
#include <string>

#include "base/NumberText.h"
#include "base/StringTable.h"
#include "calc/Tasma.h"

namespace calctest {

// Replaces '.' by the current separator: tests write numbers one way.
inline std::string Sep(std::string text)
{
    for (char& c : text)
        if (c == '.')
            c = DecimalSeparator();
    return text;
}

// The button id of a key word: a function label ("sin(", "1/(", "(" ...),
// an operator, ")", "=", ".", "PI", "EXP", "+/-", "C", "CE", "BS", or a
// single digit. 0 when the word names no key.
inline int ButtonOf(const std::string& word)
{
    if (word.size() == 1 && word[0] >= '0' && word[0] <= '9')
        return kIdDigit0 + (word[0] - '0');
    if (word == "+") return kIdAdd;
    if (word == "-") return kIdSubtract;
    if (word == "*") return kIdMultiply;
    if (word == "/") return kIdDivide;
    if (word == ")") return kIdCloseBracket;
    if (word == "=") return kIdResult;
    if (word == "." || word == ",") return kIdSeparator;
    if (word == "PI") return kIdPi;
    if (word == "EXP") return kIdExp;
    if (word == "+/-") return kIdSign;
    if (word == "C") return kIdClear;
    if (word == "CE") return kIdClearAll;
    if (word == "BS") return kIdBackspace;
    for (int n = 0; n < kFunctionCount; ++n)
        if (LoadText(kIdsFunctionLabel0 + n) == word)
            return kIdFunction0 + n;
    return 0;
}

// Presses the keys of a text of words separated by blanks; a word of
// digits (with '.' or ',') is typed key by key. Returns the last effect.
inline KeyEffect Press(CTasma& tape, const std::string& keys)
{
    std::istringstream in(keys);
    std::string word;
    KeyEffect last;
    while (in >> word) {
        const int id = ButtonOf(word);
        if (id != 0) {
            last = tape.PressButton(id);
            continue;
        }
        for (char c : word) {
            const int key = ButtonOf(std::string(1, c));
            EXPECT_NE(key, 0) << "no key for " << word;
            last = tape.PressButton(key);
        }
    }
    return last;
}

// Runs a piece of a test on a thread with a small stack (256 KiB), so
// that work whose stack grows with the depth of its input fails there at
// depths a test can afford, instead of passing on the main thread's
// larger stack.
inline void OnSmallStack(const std::function<void()>& work)
{
    pthread_attr_t attributes;
    ASSERT_EQ(pthread_attr_init(&attributes), 0);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
    pthread_t thread;
    auto run = [](void* argument) -> void* {
        (*static_cast<const std::function<void()>*>(argument))();
        return nullptr;
    };
    const int created = pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work));
    pthread_attr_destroy(&attributes);
    ASSERT_EQ(created, 0);
    ASSERT_EQ(pthread_join(thread, nullptr), 0);
}

// Runs each test under both separators.
// The separator is set in the constructor, so that members built with the
// fixture (a tape, for one) already see it.
class SeparatorTest : public ::testing::TestWithParam<char> {
protected:
    SeparatorTest() { SetDecimalSeparator(GetParam()); }
    ~SeparatorTest() override { SetDecimalSeparator('.'); }
};

inline std::string SeparatorName(const ::testing::TestParamInfo<char>& info)
{
    return info.param == ',' ? "Comma" : "Point";
}

} // namespace calctest
