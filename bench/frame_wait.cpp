// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// frame_wait PROGRAM: starts PROGRAM and prints the milliseconds from its start to its first
// window's map event and to its first complete frame, then its resident memory in kB, and ends
// it. The X DAMAGE extension reports every drawing to the window: the frame the user sees is the
// last drawing before a quiet spell. Every wait is on the X server's events, so no polling
// competes with the program for the processors while it starts.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

// Shorter than a text caret's blink, longer than any pause within one frame's drawing.
constexpr auto kQuietSpell = std::chrono::milliseconds(250);
constexpr auto kGiveUp = std::chrono::seconds(10);

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The next event, or none once `until` has passed, the program has ended or the display is gone.
Event nextEvent(xcb_connection_t* connection, pid_t pid, Clock::time_point until) {
    while (true) {
        if (xcb_generic_event_t* raw = xcb_poll_for_event(connection)) {
            return {raw, std::free};
        }
        const auto now = Clock::now();
        if (now >= until || xcb_connection_has_error(connection) != 0 ||
            waitpid(pid, nullptr, WNOHANG) != 0) {
            return {nullptr, std::free};
        }
        // Wakes for the program's end now and then.
        const auto left =
            std::min(std::chrono::duration_cast<std::chrono::microseconds>(until - now),
                     std::chrono::microseconds(20000));
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(xcb_get_file_descriptor(connection), &readable);
        timeval tick{0, static_cast<suseconds_t>(left.count())};
        select(xcb_get_file_descriptor(connection) + 1, &readable, nullptr, nullptr, &tick);
    }
}

struct Times {
    double mapMs = 0;
    double frameMs = 0;
};

// Every top-level window gets a damage watch as it is created, before it can draw; the first
// one mapped is the program's window.
std::optional<Times> waitForFrame(xcb_connection_t* connection, std::uint8_t damageEvent, pid_t pid,
                                  Clock::time_point begin) {
    const auto ms = [begin](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(t - begin).count();
    };
    xcb_window_t shown = XCB_NONE;
    std::optional<Times> times;
    Clock::time_point lastDrawing;
    Clock::time_point until = begin + kGiveUp;
    while (Event event = nextEvent(connection, pid, until)) {
        const auto now = Clock::now();
        const std::uint8_t type = event->response_type & 0x7F;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            xcb_damage_create(connection, xcb_generate_id(connection), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
            xcb_flush(connection);
        } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
            shown = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
            times = Times{ms(now), ms(now)};
        } else if (type == damageEvent + XCB_DAMAGE_NOTIFY && shown != XCB_NONE &&
                   reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->drawable == shown) {
            lastDrawing = now;
            times->frameMs = ms(now);
            until = now + kQuietSpell;
        }
    }
    if (!times || lastDrawing == Clock::time_point() || Clock::now() < until) {
        return std::nullopt;  // never mapped or drawn, or ended before its frame was quiet
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: frame_wait PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        std::fputs("frame_wait: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        std::fputs("frame_wait: the display has no DAMAGE extension\n", stderr);
        return 2;
    }
    std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                             nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    std::free(xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask)));

    const auto begin = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    const std::optional<Times> times = waitForFrame(connection, damage->first_event, pid, begin);
    if (!times) {
        std::fprintf(stderr, "frame_wait: %s ended or hung before it drew a window\n", argv[1]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    const long rss = residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("%.1f %.1f %ld\n", times->mapMs, times->frameMs, rss);
    return 0;
}
