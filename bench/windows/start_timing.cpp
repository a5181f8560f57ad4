// Times each program's start to a visible main window, paired against the
// others in the same run: each round starts every program once, in turn,
// the order rotating from round to round, so that all meet the same load.
// A program counts as started when its main window is visible; it is closed
// once it waits for input.
//   start_timing.exe ROUNDS PROGRAM.exe...
// Prints each program's medians, to its main window visible and to it ready
// (waiting for input, painted), with their ratios to the first program's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) {
  Found& found = *reinterpret_cast<Found*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == found.process && IsWindowVisible(window) &&
      GetWindow(window, GW_OWNER) == nullptr) {
    found.window = window;
    return FALSE;
  }
  return TRUE;
}

struct Start {
  double visible = -1;  // seconds to the main window visible; < 0: never
  double ready = -1;    // and to it waiting for input, painted
};

Start TimeStart(const std::string& program) {
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER shown{};
  LARGE_INTEGER ready{};
  QueryPerformanceFrequency(&frequency);
  std::string line = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  QueryPerformanceCounter(&start);
  if (CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process) == FALSE) {
    return {};
  }
  // Looked for every millisecond until it shows.
  Found found{process.dwProcessId, nullptr};
  for (int tries = 0; found.window == nullptr && tries < 20000; ++tries) {
    EnumWindows(&FindShown, reinterpret_cast<LPARAM>(&found));
    if (found.window == nullptr) {
      Sleep(1);
    }
  }
  QueryPerformanceCounter(&shown);
  if (found.window != nullptr) {
    // Closed once it waits for input: its start done, its window painted.
    WaitForInputIdle(process.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    PostMessageA(found.window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (found.window == nullptr) {
    return {};
  }
  const auto seconds = [&](const LARGE_INTEGER& to) {
    return static_cast<double>(to.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  };
  return {seconds(shown), seconds(ready)};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string NameOf(const std::string& path) {
  return path.substr(path.find_last_of("\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: start_timing ROUNDS PROGRAM.exe...\n");
    return 2;
  }
  const int rounds = std::atoi(argv[1]);
  const std::vector<std::string> programs(argv + 2, argv + argc);
  // Per program: the times to visible and to ready, and their ratios to
  // the first program's in the same round.
  std::vector<std::vector<double>> visible(programs.size());
  std::vector<std::vector<double>> ready(programs.size());
  std::vector<std::vector<double>> visibleRatio(programs.size());
  std::vector<std::vector<double>> readyRatio(programs.size());
  for (int round = 0; round < rounds; ++round) {
    std::vector<Start> thisRound(programs.size());
    for (std::size_t k = 0; k < programs.size(); ++k) {
      const std::size_t which = (k + static_cast<std::size_t>(round)) % programs.size();
      thisRound[which] = TimeStart(programs[which]);
      if (thisRound[which].visible < 0) {
        std::fprintf(stderr, "start_timing: %s showed no window\n", programs[which].c_str());
        return 1;
      }
    }
    for (std::size_t k = 0; k < programs.size(); ++k) {
      visible[k].push_back(thisRound[k].visible);
      ready[k].push_back(thisRound[k].ready);
      visibleRatio[k].push_back(thisRound[k].visible / thisRound[0].visible);
      readyRatio[k].push_back(thisRound[k].ready / thisRound[0].ready);
    }
  }
  std::printf("%-18s %10s %7s %10s %7s\n", "program", "visible", "ratio", "ready", "ratio");
  for (std::size_t k = 0; k < programs.size(); ++k) {
    std::printf("%-18s %7.1f ms %6.2fx %7.1f ms %6.2fx\n", NameOf(programs[k]).c_str(),
                Median(visible[k]) * 1000, Median(visibleRatio[k]), Median(ready[k]) * 1000,
                Median(readyRatio[k]));
  }
  return 0;
}
