// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT

// Starts a program and watches the X server: prints, in milliseconds from the
// moment before its exec, when its first window was mapped and when that
// window first received pixels (the X DAMAGE extension's first report), then
// its resident memory once shown, in KiB:
//   storomer_startwatch <program> [arguments]  ->  "mapped_ms painted_ms rss_kib"
// Meant for a display with no window manager, where windows are the root's children.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

long ResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <program> [arguments]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startwatch: cannot open the display\n");
        return 1;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint8_t damageNotify = xcb_get_extension_data(x, &xcb_damage_id)->first_event;
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    xcb_window_t shown = XCB_NONE;
    Clock::time_point mapped;
    Clock::time_point painted;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    const Clock::time_point deadline = start + std::chrono::seconds(20);
    bool done = false;
    while (!done && Clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x)) {
                break;
            }
            poll(&fd, 1, 100);
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            // Watched from its creation, so that no paint after mapping is missed;
            // windows that cannot be drawn on refuse it, which does no harm.
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            xcb_damage_create(x, xcb_generate_id(x), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY && shown == XCB_NONE) {
            shown = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
            mapped = Clock::now();
        } else if (type == damageNotify + XCB_DAMAGE_NOTIFY && shown != XCB_NONE &&
                   reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == shown) {
            painted = Clock::now();
            done = true;
        }
        free(event);
    }

    long rss = -1;
    if (done) {
        // The first frame is out; what it took to draw it is in place.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        rss = ResidentKiB(pid);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    if (!done) {
        std::fprintf(stderr, "startwatch: %s showed no painted window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", Milliseconds(start, mapped), Milliseconds(start, painted), rss);
    return 0;
}
