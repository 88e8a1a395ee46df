// Console output of the benchmarks, followed by each measure beside its
// baselines with the ratio, and by each guard, a limit on a measure, with
// whether its median keeps to it. A benchmark named "X_BaselineY" is a
// baseline of the one named "X"; with repetitions the medians are compared.
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

  // The measure `name` should take at most `limitMs` milliseconds.
  void AddGuard(const std::string& name, double limitMs) { guards_.push_back({name, limitMs}); }

 private:
  struct Times {
    std::vector<double> real;
    std::vector<double> cpu;
    std::string unit;
    double perSecond = 1;  // units in a second
  };
  struct Guard {
    std::string name;
    double limitMs;
  };
  void PrintGuards();

  std::map<std::string, Times> times_;
  std::vector<std::string> order_;
  std::vector<Guard> guards_;
};

}  // namespace orvent
