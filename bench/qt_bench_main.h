#pragma once
// main() for benchmarks that draw text or make widgets: Qt needs its application
// object first, and the offscreen platform unless the caller chose another.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QtGlobal>

namespace nimbrel::bench {

template <class Application>
int runWithQt(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace nimbrel::bench
