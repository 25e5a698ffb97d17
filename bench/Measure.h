#pragma once
// Repetition, timing and the result table of the benchmark.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

struct Figure {
    std::string name;
    std::vector<double> samples;  // milliseconds
    double median() const;
    double minimum() const;
    double maximum() const;
};

// Milliseconds since an arbitrary start, from the performance counter.
double NowMs();

// Runs body `warmups` times untimed, then `repetitions` times timed. `prepare` runs
// untimed before every repetition (warm-ups included). Each timed run ends with GdiFlush
// so that batched drawing is counted.
Figure Measure(const std::string& name, int warmups, int repetitions, const std::function<void()>& body,
               const std::function<void()>& prepare = {});

void PrintTable(const std::vector<Figure>& figures);

}  // namespace bench
