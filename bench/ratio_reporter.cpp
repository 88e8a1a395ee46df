#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace orvent {
namespace {

const char kBaseline[] = "_Baseline";

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& reports) {
  ConsoleReporter::ReportRuns(reports);
  for (const Run& run : reports) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
    const std::string name = run.run_name.function_name;
    if (times_.find(name) == times_.end()) order_.push_back(name);
    Times& times = times_[name];
    times.real.push_back(run.GetAdjustedRealTime());
    times.cpu.push_back(run.GetAdjustedCPUTime());
    times.unit = benchmark::GetTimeUnitString(run.time_unit);
    times.perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::printf("\n%-44s %12s %12s %8s %8s\n", "measure, then its baselines (medians)", "real", "cpu",
              "real x", "cpu x");
  for (const std::string& name : order_) {
    if (name.find(kBaseline) != std::string::npos) continue;
    const Times& m = times_[name];
    const double real = Median(m.real), cpu = Median(m.cpu);
    std::printf("%-44s %9.0f %-2s %9.0f %-2s\n", name.c_str(), real, m.unit.c_str(), cpu,
                m.unit.c_str());
    const std::string prefix = name + kBaseline;
    for (const std::string& other : order_) {
      if (other.compare(0, prefix.size(), prefix) != 0) continue;
      const Times& b = times_[other];
      const double baseReal = Median(b.real), baseCpu = Median(b.cpu);
      std::printf("  %-42s %9.0f %-2s %9.0f %-2s %7.2fx %7.2fx\n", other.c_str() + name.size() + 1,
                  baseReal, b.unit.c_str(), baseCpu, b.unit.c_str(), real / baseReal,
                  cpu / baseCpu);
    }
  }
  PrintGuards();
}

// Real time also counts the waits for a processor that other programs cause,
// and a save's wait for the disk; the processor time is the program's own.
void RatioReporter::PrintGuards() {
  if (!guards_.empty()) std::printf("\nguards (medians)\n");
  for (const Guard& guard : guards_) {
    const auto found = times_.find(guard.name);
    if (found == times_.end()) {
      std::printf("%-34s at most %4.1f ms: not measured\n", guard.name.c_str(), guard.limitMs);
      continue;
    }
    const Times& t = found->second;
    const double real = Median(t.real) * 1e3 / t.perSecond;
    const double cpu = Median(t.cpu) * 1e3 / t.perSecond;
    const auto verdict = [&](double ms) { return ms <= guard.limitMs ? "holds" : "DOES NOT HOLD"; };
    std::printf("%-34s at most %4.1f ms: cpu %6.3f ms %s; real %6.3f ms %s\n", guard.name.c_str(),
                guard.limitMs, cpu, verdict(cpu), real, verdict(real));
  }
}

}  // namespace orvent
