// Times whole programs from start to a mapped top-level window on the X display, taking
// turns between them so that a slow moment of the machine hits both alike. Also the peak
// resident memory of each run, from the kernel's own account.
//
//   startup_timer RUNS NAME_A -- COMMAND_A... --- NAME_B -- COMMAND_B...
//
// Prints one line per program: name, runs, median, first and ninth decile, minimum and
// maximum in milliseconds, and the median peak resident memory in KiB.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::vector<char*> argv;
    std::vector<double> milliseconds;
    std::vector<long> peak_kib;
};

struct XcbDeleter {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};

[[noreturn]] void Die(const char* what) {
    std::fprintf(stderr, "startup_timer: %s\n", what);
    std::exit(2);
}

// Waits for a top-level window to be mapped; false after `timeout_ms`.
bool WaitForMap(xcb_connection_t* connection, int timeout_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (const std::unique_ptr<xcb_generic_event_t, FreeDeleter> event{
            xcb_poll_for_event(connection)}) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (map->override_redirect == 0) {
                    return true;
                }
            }
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        ::poll(&watched, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
    }
    return false;
}

void RunOnce(xcb_connection_t* connection, Program& program) {
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child < 0) {
        Die("fork failed");
    }
    if (child == 0) {
        ::execvp(program.argv[0], program.argv.data());
        std::_Exit(127);
    }
    const bool mapped = WaitForMap(connection, 60000);
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    ::usleep(200000);  // let it settle, so the memory figure is the window's, not a half-start
    ::kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!mapped) {
        Die(("no window from " + program.name).c_str());
    }
    program.milliseconds.push_back(elapsed);
    program.peak_kib.push_back(usage.ru_maxrss);
}

template <typename T>
T Quantile(std::vector<T> values, double q) {
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(std::lround(q * static_cast<double>(values.size() - 1)));
    return values[index];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        Die("usage: startup_timer RUNS NAME -- COMMAND... [--- NAME -- COMMAND...]");
    }
    const int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc;) {
        Program program;
        program.name = argv[i++];
        if (i >= argc || std::strcmp(argv[i++], "--") != 0) {
            Die("expected -- after a name");
        }
        while (i < argc && std::strcmp(argv[i], "---") != 0) {
            program.argv.push_back(argv[i++]);
        }
        program.argv.push_back(nullptr);
        ++i;
        programs.push_back(std::move(program));
    }

    const std::unique_ptr<xcb_connection_t, XcbDeleter> connection{xcb_connect(nullptr, nullptr)};
    if (xcb_connection_has_error(connection.get()) != 0) {
        Die("cannot open the X display (is DISPLAY set?)");
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.get(), screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.get());

    for (Program& program : programs) {
        RunOnce(connection.get(), program);  // a warm-up run each, not counted
        program.milliseconds.clear();
        program.peak_kib.clear();
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            RunOnce(connection.get(), program);
        }
    }
    for (const Program& program : programs) {
        std::printf("%s %d %.1f %.1f %.1f %.1f %.1f %ld\n", program.name.c_str(), runs,
                    Quantile(program.milliseconds, 0.5), Quantile(program.milliseconds, 0.1),
                    Quantile(program.milliseconds, 0.9),
                    *std::min_element(program.milliseconds.begin(), program.milliseconds.end()),
                    *std::max_element(program.milliseconds.begin(), program.milliseconds.end()),
                    Quantile(program.peak_kib, 0.5));
    }
    return 0;
}
