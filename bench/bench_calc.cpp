// One calculator keystroke as the page handles it: the key on the tape,
// then the display lines for the refresh. Tapes of growing length, since
// the tape only grows until CE.
#include <benchmark/benchmark.h>

#include "calc/Tasma.h"

namespace {

// A tape of n expressions "12,5 * sin( 30 ) + 7 =".
CTasma TapeOf(int expressions)
{
    CTasma tape;
    for (int i = 0; i < expressions; ++i) {
        for (int id : {kIdDigit0 + 1, kIdDigit0 + 2, kIdSeparator, kIdDigit0 + 5, kIdMultiply, kIdSin,
                       kIdDigit0 + 3, kIdDigit0, kIdCloseBracket, kIdAdd, kIdDigit0 + 7, kIdResult})
            tape.PressButton(id);
    }
    return tape;
}

void BM_DigitKeyAndRefresh(benchmark::State& state)
{
    CTasma tape = TapeOf(static_cast<int>(state.range(0)));
    tape.PressButton(kIdAdd);
    for (auto _ : state) {
        tape.PressButton(kIdDigit0 + 4);
        tape.PressButton(kIdBackspace);
        benchmark::DoNotOptimize(tape.DisplayLines());
    }
}
BENCHMARK(BM_DigitKeyAndRefresh)->Arg(1)->Arg(100)->Arg(1000);

void BM_RetypeEarlierNumber(benchmark::State& state)
{
    // Editing a number in the middle recomputes its expression at once.
    const int expressions = static_cast<int>(state.range(0));
    CTasma tape = TapeOf(expressions);
    // The first number of the middle expression; each expression is eight
    // tokens (twelve keys).
    const int middle = expressions / 2 * 8;
    tape.Select(middle);
    if (tape.Token(middle)->m_kind != kKindStala) {
        state.SkipWithError("not a number");
        return;
    }
    for (auto _ : state) {
        tape.PressButton(kIdDigit0 + 4);
        tape.PressButton(kIdBackspace);
        benchmark::DoNotOptimize(tape.DisplayLines());
    }
}
BENCHMARK(BM_RetypeEarlierNumber)->Arg(100)->Arg(1000);

void BM_ResultKey(benchmark::State& state)
{
    CTasma tape = TapeOf(10);
    for (auto _ : state)
        benchmark::DoNotOptimize(tape.PressButton(kIdResult));
}
BENCHMARK(BM_ResultKey);

} // namespace
