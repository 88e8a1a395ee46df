// Console output of the benchmarks, followed by each measure beside its
// baselines with the ratio. A benchmark named "X_BaselineY" is a baseline of
// the one named "X"; with repetitions the medians are compared.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace orvent {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& reports) override;
  void Finalize() override;

 private:
  struct Times {
    std::vector<double> real;
    std::vector<double> cpu;
    std::string unit;
  };
  std::map<std::string, Times> times_;
  std::vector<std::string> order_;
};

}  // namespace orvent
