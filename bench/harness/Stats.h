#pragma once

#include <string>
#include <vector>

namespace bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

Summary summarise(std::vector<double> samples);

// "median (min–max)" with the given number of decimals.
std::string describe(const Summary& summary, int decimals);

}  // namespace bench
