// Starts a program and reports, on one line, how long it took until its first
// window was viewable on the X display and the program's peak memory then:
//   launchtime PROGRAM [ARG...]   ->   "<milliseconds> <VmHWM kB>"
// The program's first window is viewable once the window manager maps the
// frame it put that window in. The program is ended afterwards.
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Whether the window, or a window the window manager put into it (its
// frame holds the client a level or two down), belongs to the process.
bool belongsTo(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom, pid_t pid, int depth = 3)
{
    const auto cookie = xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
    if (xcb_get_property_reply_t *reply = xcb_get_property_reply(connection, cookie, nullptr)) {
        const bool ours = xcb_get_property_value_length(reply) == 4
                          && *static_cast<uint32_t *>(xcb_get_property_value(reply)) == uint32_t(pid);
        free(reply);
        if (ours)
            return true;
    }
    if (depth == 0)
        return false;
    std::vector<xcb_window_t> children;
    if (xcb_query_tree_reply_t *tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr)) {
        const xcb_window_t *first = xcb_query_tree_children(tree);
        children.assign(first, first + xcb_query_tree_children_length(tree));
        free(tree);
    }
    for (const xcb_window_t child : children) {
        if (belongsTo(connection, child, pidAtom, pid, depth - 1))
            return true;
    }
    return false;
}

long peakMemoryKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: launchtime PROGRAM [ARG...]\n", stderr);
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("launchtime: no X display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const char pidName[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof pidName - 1, pidName), nullptr);
    const xcb_atom_t pidAtom = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(atom);
    // A round trip: the event mask is in force before the program starts.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    // The window manager takes the program's window into a frame of its own
    // (ReparentNotify, with the window's _NET_WM_PID already set), then maps
    // that frame (MapNotify): both are told to whoever watches the root.
    std::vector<xcb_window_t> frames;
    long elapsedUs = -1;
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    const auto deadline = started + std::chrono::seconds(30);
    while (elapsedUs < 0 && std::chrono::steady_clock::now() < deadline) {
        poll(&fd, 1, 100);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const auto at = std::chrono::steady_clock::now() - started;
            const int type = event->response_type & 0x7f;
            if (type == XCB_REPARENT_NOTIFY) {
                const auto *reparent = reinterpret_cast<xcb_reparent_notify_event_t *>(event);
                if (belongsTo(connection, reparent->window, pidAtom, pid, 0))
                    frames.push_back(reparent->parent);
            } else if (type == XCB_MAP_NOTIFY && elapsedUs < 0) {
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const bool ours = std::find(frames.begin(), frames.end(), map->window) != frames.end()
                                  || belongsTo(connection, map->window, pidAtom, pid, 0);
                if (ours)
                    elapsedUs = long(std::chrono::duration_cast<std::chrono::microseconds>(at).count());
            }
            free(event);
        }
    }
    const long peak = peakMemoryKb(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (elapsedUs < 0) {
        std::fprintf(stderr, "launchtime: no window of %s appeared within 30 s\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld\n", elapsedUs / 1000.0, peak);
    return 0;
}
