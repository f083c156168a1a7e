// What the program asks of its surroundings: the clock, the speaker, its own
// folder, and the way out.  Each has a seam so tests never depend on them.
#include "runtime/runtime.h"

#include <QCoreApplication>
#include <cstdio>

namespace platform::runtime {

namespace {

std::function<QDate()>& clock()
{
    static std::function<QDate()> pinned;
    return pinned;
}

int& beeps()
{
    static int count = 0;
    return count;
}

QString& pinnedAppPath()
{
    static QString path;
    return path;
}

std::function<void()>& endHandler()
{
    static std::function<void()> handler;
    return handler;
}

}  // namespace

QDate Today()
{
    return clock() ? clock()() : QDate::currentDate();
}

void setTodayForTests(std::function<QDate()> pinned)
{
    clock() = std::move(pinned);
}

void Beep()
{
    ++beeps();
    std::fputc('\a', stderr);
}

int beepCountForTests()
{
    return beeps();
}

QString AppPath()
{
    if (!pinnedAppPath().isEmpty())
        return pinnedAppPath();
    return QCoreApplication::applicationDirPath();
}

void setAppPathForTests(const QString& path)
{
    pinnedAppPath() = path;
}

QString AppTitle()
{
    return "Albora";
}

void End()
{
    if (endHandler()) {
        endHandler()();
        return;
    }
    QCoreApplication::exit(0);
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

}  // namespace platform::runtime
