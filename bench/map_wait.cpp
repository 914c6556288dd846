// map_wait PROGRAM: starts PROGRAM and prints the milliseconds from its start to the first
// window mapped on the display, then its resident memory in kB once it has been up for 300 ms,
// and ends it. The wait is on the X server's map event, so no polling competes with the
// program for the processors while it starts.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Waits for a MapNotify on the root window; false when the program ends or 10 s pass first.
bool waitForMap(xcb_connection_t* connection, pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, std::free);
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                return true;
            }
        }
        if (xcb_connection_has_error(connection) != 0 || waitpid(pid, nullptr, WNOHANG) != 0) {
            return false;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(xcb_get_file_descriptor(connection), &readable);
        timeval tick{0, 20000};  // also looks at the program now and then
        select(xcb_get_file_descriptor(connection) + 1, &readable, nullptr, nullptr, &tick);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: map_wait PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("map_wait: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::free(xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask)));

    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(connection, pid);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - begin;
    if (!mapped) {
        std::fprintf(stderr, "map_wait: %s ended or hung before it showed a window\n", argv[1]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long rss = residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %ld\n", elapsed.count(), rss);
    return 0;
}
