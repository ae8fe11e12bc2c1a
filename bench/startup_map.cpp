// Time from starting a program until its first top-level window is mapped on the X
// display, for several programs in turn (interleaved, so that a change in the machine's
// load hits them alike), many rounds. Prints each program's median and spread and the
// ratio of each to the first program (per round, then the median of those ratios).
//
//   startup_map [-n ROUNDS] [-w WARMUP] -- LABEL PROGRAM [ARG...] [-- LABEL PROGRAM [ARG...]]...
//
// The clock starts just before fork() and stops when the X server reports the map: a
// MapNotify on the root window, of the window itself (no window manager) or of the frame
// the window manager puts around it. The program is then killed and reaped before the
// next one starts; the CPU time it used is reported too, which depends less on what else
// the machine is doing. Needs DISPLAY; run it on a display of its own (scripts/bench-startup.sh).
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

struct Program
{
    std::string label;
    std::vector<std::string> argv;
    std::vector<double> ms;  // one per round; NAN when it did not map
    std::vector<double> cpuMs;  // CPU time (user + system) of the same starts, up to the kill
};

struct Start
{
    double ms = NAN;
    double cpuMs = NAN;
};

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Drops every event already queued (maps of the previous round's program).
void Drain(xcb_connection_t *c)
{
    while (xcb_generic_event_t *e = xcb_poll_for_event(c))
        std::free(e);
}

// Starts the program and waits for the first map of a top-level window; its time in ms
// from the fork (NAN after `timeoutMs` or when the program ended first), and the CPU time
// the program used until it was killed just after that.
Start MapTime(xcb_connection_t *c, xcb_window_t root, const Program &p, int timeoutMs)
{
    Drain(c);
    std::vector<char *> argv;
    for (const std::string &a : p.argv)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    const double start = Now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        execv(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    double mapped = NAN;
    const int fd = xcb_get_file_descriptor(c);
    while (std::isnan(mapped) && Now() - start < timeoutMs) {
        xcb_generic_event_t *e = xcb_poll_for_event(c);
        if (!e) {
            if (xcb_connection_has_error(c)) {
                std::fprintf(stderr, "startup_map: lost the X connection\n");
                std::exit(1);
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid) {
                std::fprintf(stderr, "startup_map: %s ended before mapping a window\n", p.label.c_str());
                return {};
            }
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, 5);
            continue;
        }
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
            if (m->event == root && !m->override_redirect)
                mapped = Now() - start;
        }
        std::free(e);
    }
    kill(pid, SIGKILL);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return {mapped, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double Quantile(std::vector<double> v, double q)
{
    v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
    if (v.empty())
        return NAN;
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const size_t lo = size_t(pos);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - double(lo));
}

int Usage()
{
    std::fprintf(stderr, "usage: startup_map [-n ROUNDS] [-w WARMUP] -- LABEL PROGRAM [ARG...] [-- LABEL PROGRAM [ARG...]]...\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    int rounds = 30;
    int warmup = 3;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "-w") == 0 && i + 1 < argc)
            warmup = std::atoi(argv[++i]);
        else
            return Usage();
    }
    std::vector<Program> programs;
    for (; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) {
            programs.emplace_back();
            continue;
        }
        if (programs.empty())
            return Usage();
        Program &p = programs.back();
        if (p.label.empty())
            p.label = argv[i];
        else
            p.argv.emplace_back(argv[i]);
    }
    if (programs.empty() || rounds < 1)
        return Usage();
    for (const Program &p : programs)
        if (p.argv.empty())
            return Usage();

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "startup_map: cannot open the display (DISPLAY=%s)\n",
                     std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    // The first starts fill the page cache; they are not counted.
    for (int w = 0; w < warmup; ++w)
        for (const Program &p : programs)
            MapTime(c, root, p, 20000);
    for (int r = 0; r < rounds; ++r) {
        // Each round starts with another program, so none always follows the same one.
        for (size_t k = 0; k < programs.size(); ++k) {
            Program &p = programs[(size_t(r) + k) % programs.size()];
            const Start s = MapTime(c, root, p, 20000);
            p.ms.push_back(s.ms);
            p.cpuMs.push_back(s.cpuMs);
        }
    }
    // Round r of program k is ms[r] in every program (each ran once per round).

    const Program &ref = programs.front();
    for (const bool cpu : {false, true}) {
        std::printf("%-14s %8s %8s %8s %8s %8s  %s\n", cpu ? "CPU ms" : "mapped ms", "median", "p25", "p75", "min",
                    "max", "ratio to the first (median of rounds, p25-p75)");
        for (const Program &p : programs) {
            const std::vector<double> &v = cpu ? p.cpuMs : p.ms;
            const std::vector<double> &base = cpu ? ref.cpuMs : ref.ms;
            std::vector<double> ratios;
            for (size_t r = 0; r < v.size(); ++r)
                ratios.push_back(v[r] / base[r]);
            std::printf("%-14s %8.1f %8.1f %8.1f %8.1f %8.1f  %.2fx (%.2f-%.2f)\n", p.label.c_str(),
                        Quantile(v, 0.5), Quantile(v, 0.25), Quantile(v, 0.75), Quantile(v, 0), Quantile(v, 1),
                        Quantile(ratios, 0.5), Quantile(ratios, 0.25), Quantile(ratios, 0.75));
        }
    }
    int failed = 0;
    for (const Program &p : programs)
        failed += int(std::count_if(p.ms.begin(), p.ms.end(), [](double x) { return std::isnan(x); }));
    if (failed)
        std::printf("%d starts did not map a window within 20 s\n", failed);
    std::printf("mapped: ms from fork to the window mapped; CPU: user + system ms of the program up to\n"
                "then; %d rounds, interleaved\n", rounds);
    xcb_disconnect(c);
    return failed ? 1 : 0;
}
