// Starts programs on an X display and measures, per run, the time from exec
// to the first top-level window being mapped, and the peak resident memory
// (VmHWM) once the window is up. Runs alternate between the programs so that
// both see the same machine. Usage: startup_probe RUNS PROGRAM...
#include <X11/Xlib.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long peakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Sample {
    double milliseconds;
    long peakKb;
};

bool runOnce(Display* display, const char* program, Sample& sample) {
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    bool mapped = false;
    while (!mapped) {
        // Wait for X events, but give up after ten seconds.
        if (XPending(display) == 0) {
            if (Clock::now() - start > std::chrono::seconds(10)) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        mapped = event.type == MapNotify;
    }
    const Clock::time_point shown = Clock::now();
    // Let the first paint and whatever follows it settle before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    sample = {std::chrono::duration<double, std::milli>(shown - start).count(), peakKilobytes(pid)};
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XSync(display, True);
    return mapped;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const int programs = argc - 2;
    std::vector<std::vector<double>> times(static_cast<std::size_t>(programs));
    std::vector<std::vector<double>> peaks(static_cast<std::size_t>(programs));
    for (int run = 0; run < runs; ++run) {
        for (int p = 0; p < programs; ++p) {
            Sample sample{};
            if (!runOnce(display, argv[p + 2], sample)) {
                std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[p + 2]);
                return 1;
            }
            times[static_cast<std::size_t>(p)].push_back(sample.milliseconds);
            peaks[static_cast<std::size_t>(p)].push_back(static_cast<double>(sample.peakKb));
        }
    }
    std::printf("%-40s %14s %14s %14s\n", "program", "median ms", "min ms", "median VmHWM");
    for (int p = 0; p < programs; ++p) {
        const auto& t = times[static_cast<std::size_t>(p)];
        std::printf("%-40s %14.1f %14.1f %11.0f kB\n", argv[p + 2], median(t), *std::min_element(t.begin(), t.end()),
                    median(peaks[static_cast<std::size_t>(p)]));
    }
    XCloseDisplay(display);
    return 0;
}
