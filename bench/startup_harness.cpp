// Start-up of the game against a floor: runs two programs in turn (A B A B ...) on one private
// X server and, for every run, measures
//   - the wall time from the spawn to the first frame on screen: a pixel of the client area is
//     read back from the server every half millisecond until it turns from the root's black to
//     the window's content (Qt gives a top-level X window no background, so until the program
//     puts its first frame there the screen still shows the black root);
//   - the wall time from the spawn to the window being mapped (MapNotify on the root), which
//     splits the start-up into "up to a window" and "the first frame";
//   - the peak resident memory and the CPU time, from wait4 once the program has been asked to
//     close (WM_DELETE_WINDOW, as a window manager's close button sends it).
// With --count, it also runs each program a few times under callgrind, each in a home of its own,
// and counts its instructions from exec to the same first frame: unlike the times, that count
// does not depend on how busy the machine is.
// Figures only: nothing here passes or fails.
//
// usage: startup_harness [options] GAME BASELINE
//   --pairs N           measured pairs (default 20), after one warm-up pair that is not counted
//   --settle-ms N       how long a painted window is left running before it is closed (default 100)
//   --display :N        use this X server instead of starting a private Xvfb
//   --game-env K=V      extra environment for the game only (repeatable); --baseline-env likewise
//   --env K=V           extra environment for both (repeatable)
//   --count N           runs of each program under callgrind (default 0: none; needs valgrind)
//   --runs              print every run, not only the summary
//   --log DIR           keep each run's stdout and stderr in DIR (default: discarded)
#include "callgrind.h"
#include "window_layout.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The spot the harness watches, in client-area pixels: bare white window in the game (no control
// there and no racer runs there) and in the floor alike, where the window's description puts it.
// The client area is the bottom rows of the window, under the menu bar.
const int kClientHeight = window::clientPixelSize(window::form2Description()).height();
const int kSpotX = layout::bareSpot(window::form2Description()).x;
const int kSpotY = layout::bareSpot(window::form2Description()).y;
constexpr int kMenuSpotX = 400; // window pixels: the bare end of the menu bar, right of "Race"
constexpr int kMenuSpotY = 4;
constexpr auto kPollInterval = std::chrono::microseconds(500);
constexpr auto kFirstFrameTimeout = std::chrono::seconds(20);
constexpr auto kCountedFirstFrameTimeout = std::chrono::seconds(300); // callgrind is ~50x slower

[[noreturn]] void die(const std::string& message) {
    std::fprintf(stderr, "startup_harness: %s\n", message.c_str());
    std::exit(2);
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

int xErrors = 0;
int countXError(Display*, XErrorEvent*) {
    ++xErrors; // a window that vanished under a probe: the run is reported as failed
    return 0;
}

// ---- the private X server -----------------------------------------------------------------

struct XServer {
    pid_t pid = -1;
    std::string display;
};

XServer startXvfb() {
    int fds[2];
    if (pipe(fds) != 0)
        die("pipe failed");
    const pid_t pid = fork();
    if (pid < 0)
        die("fork failed");
    if (pid == 0) {
        close(fds[0]);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, STDOUT_FILENO);
        dup2(devnull, STDERR_FILENO);
        const std::string fd = std::to_string(fds[1]);
        // -br: a black root, the colour the probe waits to see replaced
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-br",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        die("Xvfb did not start (is the xvfb package installed?)");
    }
    return {pid, ":" + number};
}

void stopXvfb(const XServer& server) {
    if (server.pid <= 0)
        return;
    kill(server.pid, SIGTERM);
    waitpid(server.pid, nullptr, 0);
}

// ---- one run ------------------------------------------------------------------------------

struct Program {
    std::string label;
    std::string path;
    std::vector<std::string> extraEnv;
};

struct Run {
    bool ok = false;
    std::string problem;
    double mappedMs = 0;  // spawn to MapNotify
    double paintedMs = 0; // spawn to first frame
    long maxRssKiB = 0;
    double cpuMs = 0; // user + system
    unsigned long spotPixel = 0;
    bool wholeFrame = false; // the menu bar was on screen too when the client spot turned
};

std::vector<std::string> childEnvironment(const std::string& display,
                                          const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry(*e);
        // the private server is the only display; the platform is chosen by Qt from DISPLAY
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
            entry.rfind("QT_QPA_PLATFORM=", 0) == 0)
            continue;
        env.push_back(entry);
    }
    env.push_back("DISPLAY=" + display);
    for (const std::string& entry : extra) {
        const std::string key = entry.substr(0, entry.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.rfind(key, 0) == 0; });
        env.push_back(entry);
    }
    return env;
}

unsigned long readPixel(Display* dpy, Window window, int x, int y) {
    XImage* image = XGetImage(dpy, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return pixel;
}

void drainEvents(Display* dpy) {
    XSync(dpy, False);
    while (XPending(dpy)) {
        XEvent event;
        XNextEvent(dpy, &event);
    }
}

// Waits for the server to report the window destroyed (DestroyNotify on the root).
void awaitDestroyed(Display* dpy, Window window, std::chrono::milliseconds timeout) {
    const auto until = Clock::now() + timeout;
    const int fd = ConnectionNumber(dpy);
    while (Clock::now() < until) {
        while (XPending(dpy)) {
            XEvent event;
            XNextEvent(dpy, &event);
            if (event.type == DestroyNotify && event.xdestroywindow.window == window)
                return;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 1);
    }
}

// Waits for the child to end for up to the timeout; true when it has been reaped.
bool reap(pid_t pid, std::chrono::milliseconds timeout, int& status, rusage& usage) {
    const auto until = Clock::now() + timeout;
    for (;;) {
        const pid_t done = wait4(pid, &status, WNOHANG, &usage);
        if (done == pid)
            return true;
        if (done < 0 && errno != EINTR)
            return false;
        if (Clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// A program started by the harness, and when: every figure of the run counts from here.
struct Child {
    pid_t pid = -1;
    Clock::time_point start;
    std::chrono::seconds patience = kFirstFrameTimeout; // for its window and its first frame
};

std::vector<char*> pointers(const std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (const std::string& s : strings)
        p.push_back(const_cast<char*>(s.c_str()));
    p.push_back(nullptr);
    return p;
}

// Starts the program on the display, with no input and its output in the log (or nowhere);
// with a prefix (a command found on PATH), the program runs under that command.
Child spawn(const std::string& display, const Program& program, const std::string& logDir,
            const std::string& tag, const std::vector<std::string>& prefix = {}) {
    const std::vector<std::string> env = childEnvironment(display, program.extraEnv);
    std::vector<std::string> command = prefix;
    command.push_back(program.path);
    std::vector<char*> envp = pointers(env);
    std::vector<char*> argv = pointers(command);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string out = "/dev/null";
    if (!logDir.empty())
        out = logDir + "/" + program.label + "-" + tag + ".log";
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);

    Child child;
    child.start = Clock::now();
    if (posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        die(std::string("cannot start ") + argv[0]);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// What became of the program before it showed a window: its window, or none (the problem is in
// the run), or it ended (and has been reaped).
struct Mapping {
    Window window = 0;
    bool ended = false;
};

// Waits for the first top-level window the program maps (MapNotify on the root): its main window.
Mapping awaitWindow(Display* dpy, const Child& child, Run& run) {
    const Window root = DefaultRootWindow(dpy);
    const int fd = ConnectionNumber(dpy);
    Mapping mapping;
    while (!mapping.window) {
        while (XPending(dpy)) {
            XEvent event;
            XNextEvent(dpy, &event);
            if (event.type == MapNotify && event.xmap.event == root &&
                !event.xmap.override_redirect && !mapping.window) {
                run.mappedMs = millisecondsBetween(child.start, Clock::now());
                mapping.window = event.xmap.window;
            }
        }
        if (mapping.window)
            break;
        if (Clock::now() - child.start > child.patience) {
            run.problem = "no window mapped";
            break;
        }
        int status = 0;
        if (waitpid(child.pid, &status, WNOHANG) == child.pid) {
            run.problem = "the program ended before it showed a window";
            mapping.ended = true;
            break;
        }
        pollfd p{fd, POLLIN, 0};
        poll(&p, 1, 1);
    }
    return mapping;
}

// The row of the watched spot in window pixels, or nothing when the window is too small for it.
std::optional<int> spotRow(Display* dpy, Window window, Run& run) {
    int width = 0;
    int height = 0;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(dpy, window, &attributes)) {
        width = attributes.width;
        height = attributes.height;
    }
    const int spotY = height - kClientHeight + kSpotY;
    if (width <= kSpotX || spotY < 0) {
        run.problem =
            "unexpected window size " + std::to_string(width) + "x" + std::to_string(height);
        return std::nullopt;
    }
    return spotY;
}

// Reads the spot back until it is no longer the root's black: the program's first frame.
void awaitFirstFrame(Display* dpy, Window window, const Child& child, Run& run) {
    const Clock::time_point start = child.start;
    const std::optional<int> spotY = spotRow(dpy, window, run);
    if (!spotY)
        return;
    for (;;) {
        const unsigned long pixel = readPixel(dpy, window, kSpotX, *spotY);
        const auto now = Clock::now();
        if (xErrors) {
            run.problem = "the window went away before its first frame";
            return;
        }
        if ((pixel & 0xFFFFFF) != 0) {
            run.paintedMs = millisecondsBetween(start, now);
            run.spotPixel = pixel & 0xFFFFFF;
            run.ok = true;
            // Qt puts a window's first frame on screen in one piece; a look at the menu bar,
            // after the clock has stopped, confirms the spot did not turn early
            run.wholeFrame = (readPixel(dpy, window, kMenuSpotX, kMenuSpotY) & 0xFFFFFF) != 0;
            return;
        }
        if (now - start > child.patience) {
            run.problem = "no first frame";
            return;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

// Asks the window to close as a window manager's close button does (WM_DELETE_WINDOW).
void askToClose(Display* dpy, Window window) {
    const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = protocols;
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(deleteWindow);
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, window, False, NoEventMask, &close);
    XSync(dpy, False);
}

// Reaps the program once it has closed, or ends it (SIGTERM, then SIGKILL) when it does not;
// its resource usage goes into the run.
void reapClosed(pid_t pid, Run& run) {
    int status = 0;
    rusage usage{};
    if (!reap(pid, std::chrono::seconds(5), status, usage)) {
        kill(pid, SIGTERM);
        if (!reap(pid, std::chrono::seconds(5), status, usage)) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
        }
        if (run.problem.empty())
            run.problem = "did not close on WM_DELETE_WINDOW";
    }
    run.maxRssKiB = usage.ru_maxrss;
    run.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

Run runOnce(Display* dpy, const std::string& display, const Program& program,
            std::chrono::milliseconds settle, const std::string& logDir, int index) {
    Run run;
    drainEvents(dpy);
    xErrors = 0;
    const Child child = spawn(display, program, logDir, std::to_string(index));
    const Mapping mapping = awaitWindow(dpy, child, run);
    if (mapping.ended)
        return run;
    const Window window = mapping.window;
    if (window)
        awaitFirstFrame(dpy, window, child, run);

    // Let the painted window run a moment, then close it as a window manager would.
    std::this_thread::sleep_for(settle);
    if (window)
        askToClose(dpy, window);
    reapClosed(child.pid, run);
    // The next program's window opens where this one was: wait until the server has destroyed
    // this one and shows the black root there again, or the next probe could see this frame.
    if (window)
        awaitDestroyed(dpy, window, std::chrono::seconds(2));
    if (!run.problem.empty())
        run.ok = false;
    drainEvents(dpy);
    return run;
}

// The instructions one run of the program executes from exec to its first frame, counted by
// callgrind; nothing when the run failed. Each run starts from a home of its own, with no
// settings or caches left by another.
std::optional<double> countOnce(Display* dpy, const std::string& display, Program program,
                                const std::string& workDir, const std::string& logDir, int index) {
    const std::string tag = "count-" + std::to_string(index + 1);
    const std::string home = workDir + "/" + program.label + "-" + tag;
    mkdir(home.c_str(), 0700);
    program.extraEnv.insert(program.extraEnv.end(),
                            {"HOME=" + home, "XDG_CONFIG_HOME=" + home + "/.config",
                             "XDG_CACHE_HOME=" + home + "/.cache"});
    const std::string out = home + "/callgrind.out";
    Run run;
    drainEvents(dpy);
    xErrors = 0;
    Child child = spawn(display, program, logDir, tag, bench::callgrindPrefix(out));
    child.patience = kCountedFirstFrameTimeout;
    const Mapping mapping = awaitWindow(dpy, child, run);
    if (mapping.window)
        awaitFirstFrame(dpy, mapping.window, child, run);
    // the count stops here: callgrind writes it out as the program ends on SIGTERM
    if (!mapping.ended) {
        kill(child.pid, SIGTERM);
        waitpid(child.pid, nullptr, 0);
    }
    if (mapping.window)
        awaitDestroyed(dpy, mapping.window, std::chrono::seconds(2));
    drainEvents(dpy);
    if (!run.ok) {
        std::printf("  %s %s: FAILED: %s\n", tag.c_str(), program.label.c_str(),
                    run.problem.c_str());
        return std::nullopt;
    }
    return bench::countedInstructions(out);
}

// ---- the summary --------------------------------------------------------------------------

double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double quantile(std::vector<double> values, double q) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

template <typename Field> std::vector<double> column(const std::vector<Run>& runs, Field field) {
    std::vector<double> values;
    for (const Run& run : runs)
        if (run.ok)
            values.push_back(static_cast<double>(run.*field));
    return values;
}

void printRow(const char* what, const char* unit, const std::vector<Run>& game,
              const std::vector<Run>& baseline, auto field, double scale) {
    auto scaled = [&](const std::vector<Run>& runs) {
        std::vector<double> values = column(runs, field);
        for (double& value : values)
            value *= scale;
        return values;
    };
    const std::vector<double> g = scaled(game);
    const std::vector<double> b = scaled(baseline);
    const double mg = median(g);
    const double mb = median(b);
    std::printf("%-26s %9.2f %-3s [%8.2f..%8.2f]   %9.2f %-3s [%8.2f..%8.2f]   %6.3f\n", what, mg,
                unit, quantile(g, 0.25), quantile(g, 0.75), mb, unit, quantile(b, 0.25),
                quantile(b, 0.75), mb > 0 ? mg / mb : 0.0);
}

// ---- the harness -------------------------------------------------------------------------

struct Options {
    int pairs = 20;
    int counts = 0;
    int settleMs = 100;
    bool printRuns = false;
    std::string display;
    std::string logDir;
    std::vector<std::string> gameEnv;
    std::vector<std::string> baselineEnv;
    std::vector<std::string> positional;
};

Options parseOptions(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                die(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--pairs")
            options.pairs = std::max(1, std::atoi(value().c_str()));
        else if (arg == "--count")
            options.counts = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--settle-ms")
            options.settleMs = std::max(0, std::atoi(value().c_str()));
        else if (arg == "--display")
            options.display = value();
        else if (arg == "--game-env")
            options.gameEnv.push_back(value());
        else if (arg == "--baseline-env")
            options.baselineEnv.push_back(value());
        else if (arg == "--env") {
            const std::string v = value();
            options.gameEnv.push_back(v);
            options.baselineEnv.push_back(v);
        } else if (arg == "--runs")
            options.printRuns = true;
        else if (arg == "--log")
            options.logDir = value();
        else if (arg == "--help" || arg == "-h") {
            std::printf(
                "usage: %s [--pairs N] [--count N] [--settle-ms N] [--display :N] [--env K=V] "
                "[--game-env K=V] [--baseline-env K=V] [--runs] [--log DIR] GAME "
                "BASELINE\n",
                argv[0]);
            std::exit(0);
        } else if (!arg.empty() && arg[0] == '-')
            die("unknown option " + arg);
        else
            options.positional.push_back(arg);
    }
    if (options.positional.size() != 2)
        die("give the game and the baseline program (see --help)");
    return options;
}

// The X server the runs share, watched for windows mapped and destroyed on its root.
struct Session {
    XServer server;
    std::string display;
    Display* dpy = nullptr;
};

Session openSession(const std::string& display) {
    Session session;
    session.display = display;
    if (session.display.empty()) {
        session.server = startXvfb();
        session.display = session.server.display;
    }
    session.dpy = XOpenDisplay(session.display.c_str());
    if (!session.dpy) {
        stopXvfb(session.server);
        die("cannot open display " + session.display);
    }
    XSetErrorHandler(countXError);
    XSelectInput(session.dpy, DefaultRootWindow(session.dpy), SubstructureNotifyMask);
    return session;
}

void printHeader(const Session& session, int pairs, const Program& game, const Program& baseline) {
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        std::printf("note: no session bus (DBUS_SESSION_BUS_ADDRESS); every Qt program will start "
                    "dbus-launch to look for one, which a desktop never does: run the harness "
                    "under dbus-run-session\n");
    std::printf("start-up: %d pairs (A B A B, after one warm-up pair) on X display %s%s\n", pairs,
                session.display.c_str(),
                session.server.pid > 0 ? " (private Xvfb, no window manager)" : "");
    std::printf("  A = %s\n  B = %s\n", game.path.c_str(), baseline.path.c_str());
    std::fflush(stdout);
}

// One line per run of the pair: index -1 is the warm-up pair.
void printPair(int index, const Run& a, const Run& b) {
    for (const auto& [run, label] : {std::pair{a, "A"}, std::pair{b, "B"}}) {
        std::printf("  %s %s: mapped %7.2f ms  painted %7.2f ms  maxrss %6ld KiB  cpu "
                    "%6.1f ms  spot #%06lx%s%s%s\n",
                    index < 0 ? "warm-up" : ("run " + std::to_string(index + 1)).c_str(), label,
                    run.mappedMs, run.paintedMs, run.maxRssKiB, run.cpuMs, run.spotPixel,
                    run.ok && !run.wholeFrame ? "  (menu bar not yet drawn)" : "",
                    run.ok ? "" : "  FAILED: ", run.problem.c_str());
    }
}

struct Results {
    std::vector<Run> game;
    std::vector<Run> baseline;
    int failures = 0;
    int partialFrames = 0;
};

Results runPairs(const Session& session, const Program& game, const Program& baseline,
                 const Options& options) {
    const std::chrono::milliseconds settle(options.settleMs);
    Results results;
    for (int i = -1; i < options.pairs; ++i) {
        const Run a = runOnce(session.dpy, session.display, game, settle, options.logDir, i);
        const Run b = runOnce(session.dpy, session.display, baseline, settle, options.logDir, i);
        if (options.printRuns || !a.ok || !b.ok)
            printPair(i, a, b);
        if (i < 0)
            continue;
        results.failures += !a.ok + !b.ok;
        results.partialFrames += (a.ok && !a.wholeFrame) + (b.ok && !b.wholeFrame);
        results.game.push_back(a);
        results.baseline.push_back(b);
    }
    return results;
}

void printSummary(const Results& results) {
    const std::vector<Run>& gameRuns = results.game;
    const std::vector<Run>& baselineRuns = results.baseline;
    std::printf("\n%-26s %-34s   %-34s   %s\n", "median [quartiles]", "A (game)", "B (baseline)",
                "A/B");
    printRow("spawn to window mapped", "ms", gameRuns, baselineRuns, &Run::mappedMs, 1.0);
    printRow("spawn to first frame", "ms", gameRuns, baselineRuns, &Run::paintedMs, 1.0);
    printRow("CPU time (user+sys)", "ms", gameRuns, baselineRuns, &Run::cpuMs, 1.0);
    printRow("peak resident memory", "MiB", gameRuns, baselineRuns, &Run::maxRssKiB, 1.0 / 1024);

    // each pair ran back to back, so its own ratio cancels slow drifts of the machine
    std::vector<double> timeRatios;
    std::vector<double> memoryRatios;
    for (std::size_t i = 0; i < gameRuns.size(); ++i) {
        if (!gameRuns[i].ok || !baselineRuns[i].ok)
            continue;
        timeRatios.push_back(gameRuns[i].paintedMs / baselineRuns[i].paintedMs);
        memoryRatios.push_back(static_cast<double>(gameRuns[i].maxRssKiB) /
                               static_cast<double>(baselineRuns[i].maxRssKiB));
    }
    std::printf("median of the per-pair ratios: first frame %.3f, peak memory %.3f "
                "(goals: at most 1.10 and 1.05)\n",
                median(timeRatios), median(memoryRatios));
    if (results.failures)
        std::printf("%d run(s) failed and are left out\n", results.failures);
    if (results.partialFrames)
        std::printf("%d run(s) showed the client area before the menu bar\n",
                    results.partialFrames);
}

// Counts both programs' instructions, A B A B, and prints each one's median and spread and the
// ratio of the medians.
void countInstructions(const Session& session, const Program& game, const Program& baseline,
                       const Options& options) {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/zoomkin-count.XXXXXX";
    if (!mkdtemp(pattern.data()))
        die("cannot make a folder for the counts");
    std::vector<double> counted[2];
    for (int i = 0; i < options.counts; ++i)
        for (int which : {0, 1})
            if (const auto count = countOnce(session.dpy, session.display, which ? baseline : game,
                                             pattern, options.logDir, i)) {
                counted[which].push_back(*count);
                if (options.printRuns)
                    std::printf("  count %d %s: %.0f instructions\n", i + 1, which ? "B" : "A",
                                *count);
            }
    std::filesystem::remove_all(pattern);

    std::printf("\ninstructions from exec to the first frame (callgrind, %d run(s) each, "
                "each in a fresh home)\n",
                options.counts);
    const char* labels[] = {"A (game)", "B (baseline)"};
    for (int which : {0, 1}) {
        const std::vector<double>& c = counted[which];
        if (c.empty()) {
            std::printf("  %-13s no count\n", labels[which]);
            continue;
        }
        const auto [low, high] = std::minmax_element(c.begin(), c.end());
        const double middle = median(c);
        std::printf("  %-13s %8.2f M  [%8.2f..%8.2f]  spread %.2f%%\n", labels[which], middle / 1e6,
                    *low / 1e6, *high / 1e6, (*high - *low) / middle * 100);
    }
    if (!counted[0].empty() && !counted[1].empty())
        std::printf("  A/B %.3f (goal: at most 1.15)\n", median(counted[0]) / median(counted[1]));
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    if (!options.logDir.empty())
        mkdir(options.logDir.c_str(), 0755);

    const Program game{"game", options.positional[0], options.gameEnv};
    const Program baseline{"baseline", options.positional[1], options.baselineEnv};
    for (const Program* p : {&game, &baseline})
        if (access(p->path.c_str(), X_OK) != 0)
            die("not an executable program: " + p->path);

    const Session session = openSession(options.display);
    printHeader(session, options.pairs, game, baseline);
    printSummary(runPairs(session, game, baseline, options));
    if (options.counts > 0)
        countInstructions(session, game, baseline, options);

    XCloseDisplay(session.dpy);
    stopXvfb(session.server);
    return 0;
}
