#include "bench_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <limits>
#include <memory>
#include <string>

namespace bench {

namespace {

double threadCpuMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

}  // namespace

double bestOf(int runs, const std::function<void()>& work)
{
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        const double start = threadCpuMilliseconds();
        work();
        best = std::min(best, threadCpuMilliseconds() - start);
    }
    return best;
}

bool report(const char* name, double measuredMs, double referenceMs, double limit)
{
    double ratio = referenceMs > 0 ? measuredMs / referenceMs : 0.0;
    std::printf("BENCH %s ratio=%.2f limit=%.1f ms=%.1f\n", name, ratio, limit, measuredMs);
    std::fflush(stdout);
    return ratio <= limit;
}

double peakResidentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;  // reported in kB
    }
    return 0.0;
}

void reportPeakMemory(const char* name, double goalMegabytes)
{
    std::printf("BENCH %s peak-rss-mb=%.1f goal=%.0f\n", name, peakResidentMegabytes(), goalMegabytes);
    std::fflush(stdout);
}

QString scratchFolder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/albora-bench-XXXXXX");
    return dir->path();
}

}  // namespace bench
