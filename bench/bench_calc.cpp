// One calculator keystroke as the page handles it: the key on the tape,
// then what changed in the display lines, for the refresh. Tapes of 10 to 10 000
// expressions, since the tape only grows until CE: the cost of a key
// should not grow with them.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "calc/Tasma.h"

namespace {

constexpr int kTokensPerExpression = 8;

// A tape of n expressions "12,5 * sin( 30 ) + 7 =" (twelve keys, eight
// tokens each), built once per length: long tapes take a while to type.
CTasma& TapeOf(int expressions)
{
    static std::map<int, std::unique_ptr<CTasma>> tapes;
    std::unique_ptr<CTasma>& tape = tapes[expressions];
    if (!tape) {
        tape = std::make_unique<CTasma>();
        for (int i = 0; i < expressions; ++i)
            for (int id : {kIdDigit0 + 1, kIdDigit0 + 2, kIdSeparator, kIdDigit0 + 5, kIdMultiply, kIdSin,
                           kIdDigit0 + 3, kIdDigit0, kIdCloseBracket, kIdAdd, kIdDigit0 + 7, kIdResult})
                tape->PressButton(id);
        tape->PressButton(kIdAdd);
    }
    return *tape;
}

// What the page reads for its refresh: the changes and the rows they name.
void Refresh(CTasma& tape)
{
    const DisplayChanges changes = tape.TakeDisplayChanges();
    const std::vector<std::string>& lines = tape.Lines();
    std::size_t characters = 0;
    for (const int row : changes.changedRows)
        characters += lines[static_cast<std::size_t>(row)].size();
    for (int row = changes.keptRows; row < changes.rowCount; ++row)
        characters += lines[static_cast<std::size_t>(row)].size();
    benchmark::DoNotOptimize(characters);
}

void Lengths(benchmark::internal::Benchmark* b)
{
    for (int n : {10, 100, 1000, 10000})
        b->Arg(n);
}

// A digit and Backspace by turns at the end of the tape (after "+").
void BM_DigitKeyAndRefresh(benchmark::State& state)
{
    CTasma& tape = TapeOf(static_cast<int>(state.range(0)));
    tape.Select(tape.TokenCount() - 1);
    bool digit = true;
    for (auto _ : state) {
        tape.PressButton(digit ? kIdDigit0 + 4 : kIdBackspace);
        digit = !digit;
        Refresh(tape);
    }
}
BENCHMARK(BM_DigitKeyAndRefresh)->Apply(Lengths);

// A digit and Backspace by turns on the number at an index; the number is
// left as it was, for the next run.
void RetypeNumber(benchmark::State& state, CTasma& tape, int index)
{
    tape.Select(index);
    bool digit = true;
    for (auto _ : state) {
        tape.PressButton(digit ? kIdDigit0 + 4 : kIdBackspace);
        digit = !digit;
        Refresh(tape);
    }
    if (!digit)
        tape.PressButton(kIdBackspace);
}

// A digit and Backspace by turns on the first number of the middle
// expression, whose result is recomputed at once.
void BM_RetypeEarlierNumber(benchmark::State& state)
{
    const int expressions = static_cast<int>(state.range(0));
    CTasma& tape = TapeOf(expressions);
    const int middle = expressions / 2 * kTokensPerExpression;
    if (tape.Token(middle)->m_kind != kKindStala) {
        state.SkipWithError("not a number");
        return;
    }
    RetypeNumber(state, tape, middle);
}
BENCHMARK(BM_RetypeEarlierNumber)->Apply(Lengths);

// One expression of n terms "1 + 1 + ... + 1", closed by "=" or left
// open, built once per length and kind.
CTasma& ChainOf(int terms, bool result)
{
    static std::map<std::pair<int, bool>, std::unique_ptr<CTasma>> tapes;
    std::unique_ptr<CTasma>& tape = tapes[{terms, result}];
    if (!tape) {
        tape = std::make_unique<CTasma>();
        for (int i = 0; i < terms; ++i) {
            tape->PressButton(kIdDigit0 + 1);
            if (i + 1 < terms)
                tape->PressButton(kIdAdd);
        }
        if (result)
            tape->PressButton(kIdResult);
    }
    return *tape;
}

// The first number of a tape whose one long expression has no result
// yet: nothing after it needs computing.
void BM_BackspaceOnTheFirstOfManyTerms(benchmark::State& state)
{
    RetypeNumber(state, ChainOf(static_cast<int>(state.range(0)), false), 0);
}
BENCHMARK(BM_BackspaceOnTheFirstOfManyTerms)->Apply(Lengths);

// The first, middle or last number (range 1: 0, 1, 2) of one expression
// with its result, which each key recomputes. Only the partial results the
// number is an operand of change: n of them for the first number of this
// left-to-right chain, one for the last.
void BM_EditInsideOneLongExpression(benchmark::State& state)
{
    const int terms = static_cast<int>(state.range(0));
    const int lastNumber = 2 * (terms - 1);
    const int at = state.range(1) == 0 ? 0 : state.range(1) == 1 ? lastNumber / 4 * 2 : lastNumber;
    RetypeNumber(state, ChainOf(terms, true), at);
}
BENCHMARK(BM_EditInsideOneLongExpression)->ArgsProduct({{10, 100, 1000, 10000}, {0, 1, 2}});

void BM_ResultKey(benchmark::State& state)
{
    CTasma tape;
    for (int id : {kIdDigit0 + 1, kIdDigit0 + 2, kIdSeparator, kIdDigit0 + 5, kIdMultiply, kIdSin, kIdDigit0 + 3,
                   kIdDigit0, kIdCloseBracket, kIdAdd, kIdDigit0 + 7})
        tape.PressButton(id);
    for (auto _ : state)
        benchmark::DoNotOptimize(tape.PressButton(kIdResult));
}
BENCHMARK(BM_ResultKey);

} // namespace
