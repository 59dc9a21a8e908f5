#pragma once
// The neighbours on this kind of machine make single runs wander by half: the
// fastest of several repetitions is the figure that compares. Register with
// ->ComputeStatistics("min", nimbrel::bench::fastest) and run with
// --benchmark_repetitions=N --benchmark_enable_random_interleaving=true.
#include <algorithm>
#include <vector>

namespace nimbrel::bench {

inline double fastest(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end()); }

}  // namespace nimbrel::bench
