#include "bench/Measure.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double Figure::median() const {
    if (samples.empty()) return 0;
    std::vector<double> s = samples;
    std::sort(s.begin(), s.end());
    const size_t n = s.size();
    return n % 2 ? s[n / 2] : (s[n / 2 - 1] + s[n / 2]) / 2;
}
double Figure::minimum() const { return samples.empty() ? 0 : *std::min_element(samples.begin(), samples.end()); }
double Figure::maximum() const { return samples.empty() ? 0 : *std::max_element(samples.begin(), samples.end()); }

double NowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

Figure Measure(const std::string& name, int warmups, int repetitions, const std::function<void()>& body,
               const std::function<void()>& prepare) {
    Figure f{name, {}};
    for (int i = 0; i < warmups + repetitions; ++i) {
        if (prepare) prepare();
        const double start = NowMs();
        body();
        GdiFlush();
        const double elapsed = NowMs() - start;
        if (i >= warmups) f.samples.push_back(elapsed);
    }
    return f;
}

void PrintTable(const std::vector<Figure>& figures) {
    std::printf("%-22s %10s %10s %10s %6s\n", "figure", "median ms", "min ms", "max ms", "reps");
    for (const Figure& f : figures)
        std::printf("%-22s %10.3f %10.3f %10.3f %6u\n", f.name.c_str(), f.median(), f.minimum(), f.maximum(),
                    static_cast<unsigned>(f.samples.size()));
}

}  // namespace bench
