// The program's start-up as a user sees it: from starting the process to its
// main window mapped on the X display (the X server's own notice of the map),
// and on to the window's first painted controls (its top corner read back from
// the server until it is no longer one colour), watched from outside. `make
// bench` runs it under Xvfb; every run starts with empty settings in a folder
// of its own.
#include <xcb/xcb.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int Runs = 7;
// The corner read back for painted controls, and the wait between reads.
constexpr uint16_t CornerWidth = 400;
constexpr uint16_t CornerHeight = 200;
constexpr int PixelsOfContent = 1000;
constexpr useconds_t ReadInterval = 500;
constexpr int MaxReads = 20000;

using Clock = std::chrono::steady_clock;

struct CStartTimes {
    double mapped = -1;
    double painted = -1;
};

// The caller's environment with a home and settings folders of the run's own.
std::vector<std::string> RunEnvironment(const std::filesystem::path& home) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        if (!text.starts_with("HOME=") && !text.starts_with("XDG_")) {
            variables.push_back(text);
        }
    }
    variables.push_back("HOME=" + home.string());
    variables.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    variables.push_back("XDG_DATA_HOME=" + (home / "data").string());
    const std::filesystem::path runtime = home / "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    variables.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    return variables;
}

bool IsMapNotice(const xcb_generic_event_t& event) {
    return (event.response_type & 0x7F) == XCB_MAP_NOTIFY;
}

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// True once the window's corner holds more than a background of one colour.
bool HasContent(xcb_connection_t* display, xcb_window_t window) {
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&free)> image{
        xcb_get_image_reply(display,
                            xcb_get_image(display, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          CornerWidth, CornerHeight, ~0U),
                            nullptr),
        &free};
    if (!image) {
        return false;
    }
    const uint8_t* bytes = xcb_get_image_data(image.get());
    const int length = xcb_get_image_data_length(image.get());
    constexpr int PixelBytes = 4;
    int differing = 0;
    for (int at = PixelBytes; at + PixelBytes <= length; at += PixelBytes) {
        differing += std::equal(bytes, bytes + PixelBytes, bytes + at) ? 0 : 1;
    }
    return differing > PixelsOfContent;
}

// From the spawn to the first window mapped and to its painted controls;
// negative when the program could not be started or showed nothing.
CStartTimes TimeOneStart(xcb_connection_t* display, const char* program) {
    char pattern[] = "/tmp/kelvo-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        return {};
    }
    const std::filesystem::path home = pattern;
    std::vector<std::string> variables = RunEnvironment(home);
    std::vector<char*> environment;
    environment.reserve(variables.size() + 1);
    for (std::string& variable : variables) {
        environment.push_back(variable.data());
    }
    environment.push_back(nullptr);
    std::string name = program;
    char* arguments[] = {name.data(), nullptr};

    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    CStartTimes times;
    if (posix_spawn(&child, program, nullptr, nullptr, arguments, environment.data()) == 0) {
        while (const std::unique_ptr<xcb_generic_event_t, decltype(&free)> event{
            xcb_wait_for_event(display), &free}) {
            if (IsMapNotice(*event)) {
                times.mapped = MillisecondsSince(start);
                const xcb_window_t window =
                    reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
                for (int read = 0; read < MaxReads && times.painted < 0; ++read) {
                    if (HasContent(display, window)) {
                        times.painted = MillisecondsSince(start);
                    } else {
                        usleep(ReadInterval);
                    }
                }
                break;
            }
        }
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    std::filesystem::remove_all(home);
    return times;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PROGRAM (on an X display)\n", argv[0]);
        return 2;
    }
    xcb_connection_t* display = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(display) != 0) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(display)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(display, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(display);

    std::vector<double> mapped;
    std::vector<double> painted;
    for (int run = 0; run < Runs; ++run) {
        const CStartTimes times = TimeOneStart(display, argv[1]);
        if (times.painted < 0) {
            std::fprintf(stderr, "the program did not show a window\n");
            return 1;
        }
        mapped.push_back(times.mapped);
        painted.push_back(times.painted);
        // The closed window's notices belong to no later run.
        while (const std::unique_ptr<xcb_generic_event_t, decltype(&free)> stale{
            xcb_poll_for_event(display), &free}) {
        }
    }
    std::sort(mapped.begin(), mapped.end());
    std::sort(painted.begin(), painted.end());
    std::printf("start-up watched from outside (median of %d): main window on the display "
                "%.1f ms, its controls painted %.1f ms (%.1f … %.1f)\n",
                Runs, mapped[Runs / 2], painted[Runs / 2], painted.front(), painted.back());
    xcb_disconnect(display);
    return 0;
}
