// Each reader or writer beside a baseline that does only the file work, so the
// ratio of the two shows what the parsing or formatting costs; the history's
// load and save also against the time they may take. The grid's filter beside
// a plain search for its words.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/ratio_reporter.h"
#include "history/history_file.h"
#include "namelist/loose_match.h"
#include "namelist/text_file.h"
#include "project/project_file.h"

namespace orvent {
namespace {

std::string ScratchFolder() {
  const char* folder = std::getenv("TMPDIR");
  return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}

std::string ScratchPath(const std::string& name) {
  return ScratchFolder() + "/orvent_bench_" + std::to_string(getpid()) + "_" + name;
}

RecentHistory FullHistory() {
  RecentHistory list;
  for (int i = 0; i < kMaxRecentRows; ++i) {
    RecentEntry row;
    row.projectName = "Site " + std::to_string(i);
    row.location =
        "D:\\Wind Work\\Projects " + std::to_string(i % 37) + "\\Site " + std::to_string(i) + "\\";
    row.app = static_cast<App>(i % kAppCatalogueSize);
    row.projectType = i % 5;
    row.geodeticCode = i % 2 ? "WGS" : "JGD";
    list.push_back(row);
  }
  return list;
}

// The settings file's bytes as they lie on the disk.
std::string OnDisk(const std::string& text) {
  std::string bytes;
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

const std::string& HistoryFile() {
  static const std::string path = [] {
    const std::string p = ScratchPath("history.ini");
    if (!SaveHistory(p, FullHistory())) std::perror(p.c_str());
    return p;
  }();
  return path;
}

const std::string& ProjectPath() {
  static const std::string path = [] {
    const std::string p = ScratchPath("project.mbc");
    ProjectFile record;
    record.projectName = "Site1";
    record.geodeticSystem = GeodeticSystem::kJgd2011;
    record.geodeticName = "JGD2011";
    if (!WriteProjectFile(p, record)) std::perror(p.c_str());
    return p;
  }();
  return path;
}

void LineBaseline(benchmark::State& state, const std::string& path) {
  char buffer[4096];
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    std::size_t lines = 0;
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) ++lines;
    std::fclose(file);
    benchmark::DoNotOptimize(lines);
  }
}

void TextFileBaseline(benchmark::State& state, const std::string& path) {
  std::string line;
  for (auto _ : state) {
    TextFile file;
    if (!file.OpenRead(path)) state.SkipWithError("no file");
    std::size_t lines = 0;
    while (file.ReadLine(&line)) ++lines;
    benchmark::DoNotOptimize(lines);
  }
}

void BM_LoadHistory999(benchmark::State& state) {
  RecentHistory list;
  for (auto _ : state) {
    if (!LoadHistory(HistoryFile(), &list)) state.SkipWithError("no file");
    benchmark::DoNotOptimize(list.data());
  }
  if (list.size() != static_cast<std::size_t>(kMaxRecentRows)) state.SkipWithError("short list");
}
BENCHMARK(BM_LoadHistory999);

void BM_LoadHistory999_BaselineFgets(benchmark::State& state) {
  LineBaseline(state, HistoryFile());
}
BENCHMARK(BM_LoadHistory999_BaselineFgets);

void BM_LoadHistory999_BaselineReadLine(benchmark::State& state) {
  TextFileBaseline(state, HistoryFile());
}
BENCHMARK(BM_LoadHistory999_BaselineReadLine);

void BM_SaveHistory999(benchmark::State& state) {
  const RecentHistory list = FullHistory();
  const std::string path = ScratchPath("saved.ini");
  for (auto _ : state) {
    if (!SaveHistory(path, list)) state.SkipWithError("not saved");
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveHistory999);

void BM_SaveHistory999_BaselineFwrite(benchmark::State& state) {
  const std::string bytes = OnDisk(FormatHistory(FullHistory()));
  const std::string path = ScratchPath("written.ini");
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveHistory999_BaselineFwrite);

// The same single fwrite with the same care SaveHistory takes: a file beside
// the target, put on the disk, then moved over it.
void BM_SaveHistory999_BaselineFwriteSyncRename(benchmark::State& state) {
  const std::string bytes = OnDisk(FormatHistory(FullHistory()));
  const std::string path = ScratchPath("written.ini");
  const std::string temporary = path + ".tmp";
  for (auto _ : state) {
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fflush(file);
    fsync(fileno(file));
    std::fclose(file);
    std::rename(temporary.c_str(), path.c_str());
  }
  std::remove(path.c_str());
}
BENCHMARK(BM_SaveHistory999_BaselineFwriteSyncRename);

void BM_FormatHistory999(benchmark::State& state) {
  const RecentHistory list = FullHistory();
  for (auto _ : state) benchmark::DoNotOptimize(FormatHistory(list));
}
BENCHMARK(BM_FormatHistory999);

void BM_ReadProjectFile(benchmark::State& state) {
  ProjectFile record;
  for (auto _ : state) {
    if (!ReadProjectFile(ProjectPath(), &record)) state.SkipWithError("no file");
    benchmark::DoNotOptimize(record.projectType);
  }
}
BENCHMARK(BM_ReadProjectFile);

void BM_ReadProjectFile_BaselineFgets(benchmark::State& state) {
  LineBaseline(state, ProjectPath());
}
BENCHMARK(BM_ReadProjectFile_BaselineFgets);

// A keystroke in the filter box: two words looked for in every row's name and
// location, against the same two looked for byte by byte.
void BM_FilterRows999(benchmark::State& state) {
  const RecentHistory list = FullHistory();
  for (auto _ : state) {
    const LooseFilter filter("site 12");
    int shown = 0;
    for (const RecentEntry& row : list) shown += filter.Matches({row.projectName, row.location});
    benchmark::DoNotOptimize(shown);
  }
}
BENCHMARK(BM_FilterRows999);

void BM_FilterRows999_BaselineFind(benchmark::State& state) {
  const RecentHistory list = FullHistory();
  for (auto _ : state) {
    int shown = 0;
    for (const RecentEntry& row : list) {
      const auto found = [&](const char* word) {
        return row.projectName.find(word) != std::string::npos ||
               row.location.find(word) != std::string::npos;
      };
      shown += found("Site") && found("12");
    }
    benchmark::DoNotOptimize(shown);
  }
}
BENCHMARK(BM_FilterRows999_BaselineFind);

}  // namespace
}  // namespace orvent

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  orvent::RatioReporter reporter;
  reporter.AddGuard("BM_LoadHistory999", 1.0);
  reporter.AddGuard("BM_SaveHistory999", 2.0);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::remove(orvent::HistoryFile().c_str());
  std::remove(orvent::ProjectPath().c_str());
  return 0;
}
