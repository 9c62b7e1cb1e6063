// Times programs from process start to their first painted frame as the X server sees it: each
// is started under a private Xvfb, its first top-level window is watched with X DAMAGE, and the
// frame counts as painted at the first damage whose read-back holds two distinct pixel values.
// The game and a bare Qt window with one label are started in turn, round after round, so both
// see the same machine; medians and peak memory are printed. A benchmark: it never fails on time.
//
//   bench_firstframe [--rounds N] [--settle MS] [--game PROGRAM]... [--bare PROGRAM]
//
// Each game is copied into a folder of its own (the game's folder is its executable's folder),
// and each program gets an empty user cache folder of its own that the warm-up start fills.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TClock = std::chrono::steady_clock;

struct TProgram {
    std::string Name;
    std::string Path;   // what is executed
    std::string Folder; // its working directory
    std::vector<double> Ms;
    std::vector<double> RssMiB;
    std::vector<double> Threads;
    std::vector<double> ByRound; // -1 where the start never painted
    int Failed = 0;
};

struct TStart {
    double Ms = -1;
    double RssMiB = -1;
    int Threads = -1;
};

[[noreturn]] void Die(const std::string& What) {
    std::fprintf(stderr, "bench_firstframe: %s\n", What.c_str());
    std::exit(1);
}

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Starts Xvfb on a display it picks itself; returns its pid and sets Display (":N").
pid_t StartXvfb(std::string& Display) {
    int fds[2];
    if (pipe(fds) != 0) Die("pipe");
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        // -br: a black root, so a window not yet painted reads back as one colour.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-br",
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) Die("Xvfb did not start (is the xvfb package installed?)");
    Display = ":" + number;
    return pid;
}

// True when the window's content holds at least two distinct pixel values.
bool Painted(Display* Dpy, Window W) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(Dpy, W, &a) || a.map_state != IsViewable) return false;
    XImage* image =
        XGetImage(Dpy, W, 0, 0, unsigned(a.width), unsigned(a.height), AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool two = false;
    for (int y = 0; y < image->height && !two; ++y)
        for (int x = 0; x < image->width; ++x)
            if (XGetPixel(image, x, y) != first) {
                two = true;
                break;
            }
    XDestroyImage(image);
    return two;
}

int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0; // a window that went away between an event and its read-back
}

// Starts P, waits for its first painted frame, lets it run Settle ms more, then ends it and reads
// its peak resident memory.
TStart TimeOne(Display* Dpy, int DamageEvent, const TProgram& P, int SettleMs) {
    const Window root = DefaultRootWindow(Dpy);
    XSync(Dpy, True); // forget whatever earlier programs left in the queue
    const TClock::time_point t0 = TClock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(P.Folder.c_str()) != 0) _exit(126);
        // Each program its own user cache folder: two builds of the game never overwrite each
        // other's entries.
        setenv("XDG_CACHE_HOME", (P.Folder + "/cache").c_str(), 1);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 1);
        dup2(devnull, 2);
        execl(P.Path.c_str(), P.Path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    TStart result;
    std::vector<std::pair<Window, Damage>> watched;
    auto painted = [&] {
        result.Ms = std::chrono::duration<double, std::milli>(TClock::now() - t0).count();
    };
    const TClock::time_point deadline = t0 + std::chrono::seconds(20);
    while (result.Ms < 0 && TClock::now() < deadline) {
        if (!XPending(Dpy)) {
            pollfd pfd{ConnectionNumber(Dpy), POLLIN, 0};
            poll(&pfd, 1, 100);
            continue;
        }
        XEvent e;
        XNextEvent(Dpy, &e);
        if (e.type == MapNotify && e.xmap.event == root && !e.xmap.override_redirect) {
            const Window w = e.xmap.window;
            watched.emplace_back(w, XDamageCreate(Dpy, w, XDamageReportNonEmpty));
            // It may have been drawn before the damage object existed.
            if (Painted(Dpy, w)) painted();
        } else if (e.type == DamageEvent + XDamageNotify) {
            const auto* d = reinterpret_cast<XDamageNotifyEvent*>(&e);
            const auto it = std::find_if(watched.begin(), watched.end(),
                                         [&](const auto& wd) { return wd.second == d->damage; });
            if (it == watched.end()) continue;
            // Timed at the damage's arrival: the read-back only confirms what it brought.
            const TClock::time_point arrived = TClock::now();
            XDamageSubtract(Dpy, d->damage, None, None);
            if (Painted(Dpy, it->first))
                result.Ms = std::chrono::duration<double, std::milli>(arrived - t0).count();
        }
    }
    if (result.Ms >= 0) usleep(useconds_t(SettleMs) * 1000);
    // Threads still there once the frame has settled: Qt's thread pool shows up here.
    std::error_code error;
    result.Threads =
        int(std::distance(fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", error),
                          fs::directory_iterator()));
    for (const auto& wd : watched) XDamageDestroy(Dpy, wd.second);
    XSync(Dpy, False);
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.RssMiB = usage.ru_maxrss / 1024.0;
    return result;
}

std::string SelfFolder() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) Die("cannot find my own folder");
    buf[n] = 0;
    return fs::path(buf).parent_path().string();
}

} // namespace

int main(int argc, char* argv[]) {
    int rounds = 15, settleMs = 300;
    std::vector<std::string> games;
    const std::string self = SelfFolder();
    std::string bare = self + "/bench_bare_label";
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--rounds" && i + 1 < argc)
            rounds = std::max(1, std::atoi(argv[++i]));
        else if (a == "--settle" && i + 1 < argc)
            settleMs = std::max(0, std::atoi(argv[++i]));
        else if (a == "--game" && i + 1 < argc)
            games.push_back(argv[++i]);
        else if (a == "--bare" && i + 1 < argc)
            bare = argv[++i];
        else {
            std::fprintf(stderr,
                         "usage: %s [--rounds N] [--settle MS] [--game PROGRAM]... "
                         "[--bare PROGRAM]\n",
                         argv[0]);
            return 2;
        }
    }
    if (games.empty()) games.push_back(self + "/../Virelune");

    char pattern[] = "/tmp/virelune-firstframe-XXXXXX";
    if (!mkdtemp(pattern)) Die("cannot make a work folder");
    const fs::path work = pattern;
    fs::create_directories(work / "runtime");
    fs::permissions(work / "runtime", fs::perms::owner_all, fs::perm_options::replace);
    setenv("XDG_RUNTIME_DIR", (work / "runtime").c_str(), 1);
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("WAYLAND_DISPLAY");

    std::vector<TProgram> programs;
    auto add = [&](std::string Name, std::string Path, std::string Folder) {
        TProgram p;
        p.Name = std::move(Name);
        p.Path = std::move(Path);
        p.Folder = std::move(Folder);
        programs.push_back(std::move(p));
    };
    fs::create_directories(work / "bare");
    add("bare Qt window + label", fs::absolute(bare).string(), (work / "bare").string());
    for (size_t g = 0; g < games.size(); ++g) {
        const fs::path folder = work / ("game" + std::to_string(g));
        fs::create_directories(folder);
        fs::copy_file(games[g], folder / "Virelune");
        add("game " + games[g], (folder / "Virelune").string(), folder.string());
    }

    std::string display;
    const pid_t xvfb = StartXvfb(display);
    setenv("DISPLAY", display.c_str(), 1);
    Display* dpy = nullptr;
    for (int i = 0; i < 100 && !dpy; ++i) {
        dpy = XOpenDisplay(display.c_str());
        if (!dpy) usleep(50000);
    }
    if (!dpy) Die("cannot open " + display);
    XSetErrorHandler(IgnoreXErrors);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) Die("no DAMAGE extension");
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);

    // The warm-up start fills the disk caches (files, fonts, the game's pictures).
    for (const TProgram& p : programs) TimeOne(dpy, damageEvent, p, 0);
    for (int r = 0; r < rounds; ++r) {
        // Turn the order round each time so no program always follows the same one.
        for (size_t k = 0; k < programs.size(); ++k) {
            TProgram& p = programs[(k + size_t(r)) % programs.size()];
            const TStart s = TimeOne(dpy, damageEvent, p, settleMs);
            p.ByRound.push_back(s.Ms);
            if (s.Ms < 0)
                ++p.Failed;
            else {
                p.Ms.push_back(s.Ms);
                p.RssMiB.push_back(s.RssMiB);
                p.Threads.push_back(s.Threads);
            }
        }
    }
    XCloseDisplay(dpy);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    fs::remove_all(work);

    double load[3] = {-1, -1, -1};
    getloadavg(load, 3);
    std::printf("First painted frame under Xvfb (X DAMAGE + read-back), %d interleaved rounds "
                "after a warm-up; load average %.2f %.2f %.2f\n",
                rounds, load[0], load[1], load[2]);
    std::printf("  %-44s %9s %9s %9s %11s %8s\n", "program", "median", "min", "max", "peak RSS",
                "threads");
    const double bareMs = Median(programs[0].Ms), bareRss = Median(programs[0].RssMiB);
    for (const TProgram& p : programs) {
        const auto [lo, hi] = std::minmax_element(p.Ms.begin(), p.Ms.end());
        std::printf("  %-44s %6.1f ms %6.1f ms %6.1f ms %7.1f MiB %8.0f", p.Name.c_str(),
                    Median(p.Ms), p.Ms.empty() ? -1.0 : *lo, p.Ms.empty() ? -1.0 : *hi,
                    Median(p.RssMiB), Median(p.Threads));
        if (p.Failed) std::printf("  (%d starts never painted)", p.Failed);
        std::printf("\n");
    }
    for (size_t g = 1; g < programs.size(); ++g) {
        // Also the median of each round's own ratio, which the load of that moment cancels out of.
        std::vector<double> paired;
        for (size_t r = 0; r < programs[g].ByRound.size(); ++r)
            if (programs[g].ByRound[r] > 0 && programs[0].ByRound[r] > 0)
                paired.push_back(programs[g].ByRound[r] / programs[0].ByRound[r]);
        std::printf("  %s: %.2f x the bare window (median of round ratios %.2f; goal <= 1.10), "
                    "RSS %+.1f MiB (goal <= +6)\n",
                    programs[g].Name.c_str(), Median(programs[g].Ms) / bareMs, Median(paired),
                    Median(programs[g].RssMiB) - bareRss);
    }
    return 0;
}
