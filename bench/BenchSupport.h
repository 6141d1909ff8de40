#pragma once

// What the benchmarks share: timing, medians, memory read from /proc, the
// floors made of plain system calls, and the one table style they all print.

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Resident memory of this process now, in bytes (/proc/self/statm).
long long ResidentBytes();

// Writes a temporary file, fdatasyncs it and renames it over the target: what
// any save that cannot lose the old file must do.
bool PlainAtomicWrite(const QString& path, const QByteArray& bytes);
// The whole file with plain read(2) calls.
QByteArray PlainRead(const QString& path);

// The least a reader of a quiz file must keep: the texts and the answer.
struct PlainQuestion
{
    QString front;
    int answer = 0;
    QString back;
};
// The least parse that yields the texts: short strings only, no checks.
std::vector<PlainQuestion> MinimalParse(const QByteArray& bytes);

// The table all benchmarks print: a heading once, then one row per figure.
void PrintHeading(const char* title);
void PrintRow(const char* what, const QString& figure, const QString& floor, double ratio,
              const char* target, bool met);
QString Ms(double milliseconds);
QString MiB(double bytes);

} // namespace bench

#include <functional>

namespace bench {
// Runs work in a forked child and returns the number it computed, so memory
// figures start from a clean heap. Call before any thread is started.
long long InChild(const std::function<long long()>& work);
} // namespace bench
