#pragma once
// Helpers shared by the benchmarks: a stopwatch that keeps the best of a few
// runs, the peak resident memory, and the one line each figure is printed as.
//
//   double reference = bench::bestOf(3, [&] { readStraightThroughSqlite(); });
//   double measured  = bench::bestOf(3, [&] { walkWithRecordset(); });
//   bench::report("recordset-walk", measured, reference, 2.0);
//   // BENCH recordset-walk ratio=1.42 limit=2.0 ms=183.2

#include <QString>
#include <functional>

namespace bench {

// Milliseconds of the fastest of `runs` calls, in processor time of the
// calling thread: every measured side runs on that thread, and other work on
// a busy machine then weighs on neither side of a ratio.
double bestOf(int runs, const std::function<void()>& work);

// Prints the BENCH line; returns false when the ratio is over the limit.
bool report(const char* name, double measuredMs, double referenceMs, double limit);

// Peak resident memory of this process so far, in megabytes.
double peakResidentMegabytes();
// Prints "BENCH <name> peak-rss-mb=<n> goal=<goal>".
void reportPeakMemory(const char* name, double goalMegabytes);

// A fresh temporary folder for one benchmark run, removed at exit.
QString scratchFolder();

}  // namespace bench
