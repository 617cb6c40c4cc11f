// The main of a widget benchmark: the application on the offscreen
// platform (unless another is asked for), the separator from the
// environment, no splash; setUp then installs what the program needs
// (hooks that answer dialogs), and the benchmarks run.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>
#include <functional>

#include "app/CSplashWnd.h"
#include "base/NumberText.h"

inline int RunUiBenchmarks(int& argc, char** argv, const std::function<void()>& setUp = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetDecimalSeparator(SeparatorFromEnvironment());
    CSplashWnd::SetPicturePath(QString());
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
