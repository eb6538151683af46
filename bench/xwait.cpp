// zarn-xwait: how long a program takes from exec until its window with a given title is
// mapped, and its resident memory a second later. Waits on the X server's map events (no
// polling), so the figure is the program's own start-up time.
//
//   zarn-xwait TITLE PROGRAM [ARGUMENT...]   prints "MILLISECONDS RESIDENT_KIB"
//   zarn-xwait --ready                       succeeds once the X display accepts clients
#include <xcb/xcb.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

std::string property_text(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property)
{
    auto cookie = xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply) return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<size_t>(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    auto cookie = xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

long resident_kib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--ready") == 0) {
        xcb_connection_t* x = xcb_connect(nullptr, nullptr);
        const bool ready = !xcb_connection_has_error(x);
        xcb_disconnect(x);
        return ready ? 0 : 1;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: zarn-xwait TITLE PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string title = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "zarn-xwait: no X display\n");
        return 2;
    }
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t net_wm_name = atom(x, "_NET_WM_NAME");
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("zarn-xwait: exec");
        _exit(127);
    }
    double elapsed_ms = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
        auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
        if (property_text(x, map->window, net_wm_name) != title &&
            property_text(x, map->window, XCB_ATOM_WM_NAME) != title)
            continue;
        elapsed_ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        break;
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = resident_kib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (elapsed_ms < 0) return 1;
    std::printf("%.1f %ld\n", elapsed_ms, rss);
    return 0;
}
