// What the benchmarks that open windows share: a private HOME, the offscreen platform
// unless another is asked for, the program's services with message boxes that answer
// at once, and a way to let deleted windows go.
#pragma once

#include <QString>

#include <functional>

// The temporary HOME the benchmarks run in.
const QString &benchHome();

// Delivers pending events and deletes what was deleted later.
void settleEvents();

// Builds the application in a temporary HOME, installs the services, runs 'prepare'
// and then the benchmarks named on the command line; returns main's exit code.
int RunWindowBenchmarks(int argc, char **argv, const std::function<void()> &prepare);
