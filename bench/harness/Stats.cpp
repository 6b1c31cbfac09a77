#include "harness/Stats.h"

#include <algorithm>
#include <cstdio>

namespace bench {

Summary summarise(std::vector<double> samples) {
    if (samples.empty()) {
        return {};
    }
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {median, samples.front(), samples.back()};
}

std::string describe(const Summary& summary, int decimals) {
    char text[128];
    std::snprintf(text, sizeof text, "%.*f (%.*f-%.*f)", decimals, summary.median, decimals,
                  summary.min, decimals, summary.max);
    return text;
}

}  // namespace bench
