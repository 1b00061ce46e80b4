// Times a program's start: from just before fork() to the X server's MapNotify for the
// program's first top-level window (recognised by _NET_WM_PID). The helper listens for
// SubstructureNotify on the root window instead of polling, so the figure is not rounded to
// a polling interval; --selftest measures what remains, the delay between a window being
// mapped and this client reading the event.
//
// A program can map its window early and draw late, so the helper also times the first
// frame: it then reads one pixel of the window every FramePollUs until it is no longer the
// black of an unpainted window on a black root (start Xvfb with -br).
//
//   bench_mapwait [--timeout-ms N] [--log FILE] -- program [args...]
//       prints "PID MAP_MS CPU_MS FRAME_MS": the time to the map, the CPU time the program's
//       threads had used by then, and the time to the first frame (schedstat, nanosecond resolution, so a busy
//       machine shows in the first figure but hardly in the second). The program's output goes
//       to FILE (default /dev/null), so a caller reading this helper's output through a pipe
//       is not held by the program
//   bench_mapwait --selftest N                            prints the event delay in ms
//
// The program is left running; the caller ends it by its PID.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr int DefaultTimeoutMs = 20000;
constexpr int FramePollUs = 250;
constexpr int FramePixel = 4; // x and y of the pixel read, inside any frame-less client area

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// CPU time of all the program's threads so far: the first field of each thread's schedstat.
double cpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double ns = 0;
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        if (FILE *f = std::fopen((tasks + "/" + entry->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long onCpu = 0;
            if (std::fscanf(f, "%llu", &onCpu) == 1)
                ns += static_cast<double>(onCpu);
            std::fclose(f);
        }
    }
    closedir(dir);
    return ns / 1e6;
}

long windowPid(Display *d, Window w, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
        && data && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long *>(data));
    if (data)
        XFree(data);
    return pid;
}

// Waits up to timeoutMs for a MapNotify of a window that isOurs(); returns its time, or -1
// on timeout or once alive() says the program is gone.
template <typename IsOurs, typename Alive>
double waitForMap(Display *d, int timeoutMs, IsOurs isOurs, Alive alive)
{
    const double deadline = nowMs() + timeoutMs;
    pollfd fd{ConnectionNumber(d), POLLIN, 0};
    for (;;) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            const double t = nowMs();
            if (e.type == MapNotify && !e.xmap.override_redirect && isOurs(e.xmap.window))
                return t;
        }
        const double left = deadline - nowMs();
        if (left <= 0 || !alive())
            return -1;
        poll(&fd, 1, std::min(50, static_cast<int>(left) + 1));
    }
}

// Polls a pixel of the window until it is painted; returns the time, or -1 after timeoutMs.
double waitForFrame(Display *d, Window w, int timeoutMs)
{
    const double deadline = nowMs() + timeoutMs;
    const bool debug = std::getenv("BENCH_MAPWAIT_DEBUG") != nullptr;
    for (int polls = 1; nowMs() < deadline; ++polls) {
        if (XImage *image = XGetImage(d, w, FramePixel, FramePixel, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            if (pixel != 0) {
                if (debug)
                    std::fprintf(stderr, "bench_mapwait: pixel %06lx after %d polls\n", pixel, polls);
                return nowMs();
            }
        }
        usleep(FramePollUs);
    }
    return -1;
}

int launch(Display *d, int timeoutMs, const char *log, char **argv)
{
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
    fcntl(ConnectionNumber(d), F_SETFD, FD_CLOEXEC);

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 1;
    }
    if (child == 0) {
        const int out = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
            close(out);
        }
        execvp(argv[0], argv);
        perror(argv[0]);
        _exit(127);
    }
    Window window = None;
    const double mapped = waitForMap(
        d, timeoutMs,
        [&](Window w) {
            window = w;
            return windowPid(d, w, pidAtom) == child;
        },
        [&] { return waitpid(child, nullptr, WNOHANG) == 0; });
    if (mapped < 0) {
        std::fprintf(stderr, "bench_mapwait: %s mapped no window\n", argv[0]);
        std::printf("%d -1 -1 -1\n", static_cast<int>(child));
        return 2;
    }
    const double cpu = cpuMs(child);
    const double frame = waitForFrame(d, window, timeoutMs);
    std::printf("%d %.3f %.3f %.3f\n", static_cast<int>(child), mapped - start, cpu,
                frame < 0 ? -1.0 : frame - start);
    return 0;
}

int selftest(Display *d, int rounds)
{
    Display *other = XOpenDisplay(nullptr);
    if (!other)
        return 1;
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XSync(d, False);
    std::vector<double> delays;
    for (int i = 0; i < rounds; ++i) {
        const Window w = XCreateSimpleWindow(other, DefaultRootWindow(other), 0, 0, 64, 64, 0, 0, 0);
        XSync(other, False);
        const double before = nowMs();
        XMapWindow(other, w);
        XFlush(other);
        const double seen = waitForMap(
            d, 1000, [&](Window m) { return m == w; }, [] { return true; });
        delays.push_back(seen - before);
        XDestroyWindow(other, w);
        XSync(other, False);
    }
    std::sort(delays.begin(), delays.end());
    std::printf("event delay over %d maps: median %.3f ms, max %.3f ms\n", rounds,
                delays[delays.size() / 2], delays.back());
    XCloseDisplay(other);
    return 0;
}
}

int main(int argc, char **argv)
{
    Display *d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "bench_mapwait: cannot open display\n");
        return 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--selftest") == 0)
        return selftest(d, std::max(1, std::atoi(argv[2])));
    int timeoutMs = DefaultTimeoutMs;
    const char *log = "/dev/null";
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--timeout-ms") == 0)
            timeoutMs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--log") == 0)
            log = argv[i + 1];
        else
            break;
    }
    if (i < argc && std::strcmp(argv[i], "--") == 0)
        ++i;
    if (i >= argc) {
        std::fprintf(stderr, "usage: bench_mapwait [--timeout-ms N] [--log FILE] -- program [args...]\n"
                             "       bench_mapwait --selftest ROUNDS\n");
        return 1;
    }
    return launch(d, timeoutMs, log, argv + i);
}
