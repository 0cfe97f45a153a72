/* Starts a program and measures the time from launch to its first mapped
 * top-level window on the X display and to the first drawing in it, then its
 * resident memory a moment later. Prints one line:
 *   map_ms=... rss_kb=... tree_kb=... procs=... helper_kb=... helpers=... paint_ms=...
 * rss_kb   the process that owns the mapped window (by _NET_WM_PID), else the
 *          launched one;
 * tree_kb  every process the program started, even ones that daemonised:
 *          mapwait is their subreaper, so nothing escapes the count;
 * helper_kb with -g TAG, the processes whose environment holds
 *          DUNOK_BENCH_HELPER=TAG: services that a private session bus
 *          started on the program's behalf (the caller sets TAG in the bus
 *          daemon's environment and names the daemon with -x to leave it out).
 * paint_ms the first drawing into that window (the X DAMAGE extension): when
 *          the program has put its first picture on the screen; -1 without
 *          the extension, or when nothing was drawn within 5 s of the map.
 * Tiny windows (toolkits' leader or clipboard windows, should one be mapped)
 * and windows of other programs on the display do not count as the window.
 * -v prints every top-level map to stderr. */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <ctype.h>
#include <dirent.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static long rss_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
    fclose(f);
    return kb;
}

/* Parent of pid, or -1 once it is gone. The command name may hold spaces
 * and parentheses, so read past its last ')'. */
static pid_t parent_of(pid_t pid) {
    char path[64], buf[512];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = '\0';
    char* p = strrchr(buf, ')');
    int ppid;
    char state;
    if (!p || sscanf(p + 1, " %c %d", &state, &ppid) != 2 || state == 'Z') return -1;
    return ppid;
}

static int environ_has(pid_t pid, const char* entry) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/environ", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return 0;
    static char buf[1 << 16];
    size_t n = fread(buf, 1, sizeof buf - 1, f);
    fclose(f);
    buf[n] = '\0';
    for (size_t i = 0; i < n; i += strlen(buf + i) + 1)
        if (strcmp(buf + i, entry) == 0) return 1;
    return 0;
}

#define MAXPROC 4096
struct procs {
    pid_t pid[MAXPROC];
    int n;
};

static void list_pids(struct procs* all) {
    all->n = 0;
    DIR* d = opendir("/proc");
    struct dirent* e;
    while (d && (e = readdir(d)) && all->n < MAXPROC)
        if (isdigit((unsigned char)e->d_name[0])) all->pid[all->n++] = (pid_t)atoi(e->d_name);
    if (d) closedir(d);
}

static int is_descendant(pid_t pid, pid_t ancestor) {
    for (int depth = 0; pid > 1 && depth < 64; ++depth) {
        pid = parent_of(pid);
        if (pid == ancestor) return 1;
    }
    return 0;
}

/* Everything below this process: the program and whatever it started. */
static void descendants(struct procs* out) {
    struct procs all;
    list_pids(&all);
    out->n = 0;
    for (int i = 0; i < all.n; ++i)
        if (is_descendant(all.pid[i], getpid())) out->pid[out->n++] = all.pid[i];
}

static long window_pid(Display* dpy, Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = NULL;
    long pid = -1;
    Atom prop = XInternAtom(dpy, "_NET_WM_PID", False);
    if (XGetWindowProperty(dpy, w, prop, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                           &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = *(long*)data;
    if (data) XFree(data);
    return pid;
}

static int ignore_x_errors(Display* dpy, XErrorEvent* ev) {
    (void)dpy;
    (void)ev;
    return 0; /* a window may be gone before we look at it */
}

struct painted {
    Window window;
    double at; /* ms after launch, -1 until drawn into */
};

/* Makes a damage record for each new top-level window and notes when each is
 * first drawn into. Returns whether the event was one of these. */

static int note_damage(Display* dpy, XEvent* ev, int has_damage, int damage_event,
                       struct painted* painted, int* n, double start) {
    if (!has_damage) return 0;
    if (ev->type == CreateNotify) {
        if (ev->xcreatewindow.override_redirect || *n >= 256) return 1;
        XDamageCreate(dpy, ev->xcreatewindow.window, XDamageReportNonEmpty);
        painted[*n].window = ev->xcreatewindow.window;
        painted[*n].at = -1;
        ++*n;
        return 1;
    }
    if (ev->type != damage_event + XDamageNotify) return 0;
    const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)ev;
    for (int i = 0; i < *n; ++i)
        if (painted[i].window == d->drawable && painted[i].at < 0) painted[i].at = now_ms() - start;
    return 1;
}

/* Waits until the X connection has something to read, or us microseconds. */
static void wait_for_events(int fd, long us) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    struct timeval tv = {0, us};
    select(fd + 1, &set, NULL, NULL, &tv);
}

static void usage(const char* self) {
    fprintf(stderr,
            "usage: %s [-v] [-m MIN_PX] [-s SETTLE_MS] [-g TAG [-x BUS_PID]] program [args...]\n",
            self);
    exit(2);
}

int main(int argc, char** argv) {
    int verbose = 0, min_px = 50, settle_ms = 1000;
    const char* tag = NULL;
    pid_t bus_pid = -1;
    int opt;
    while ((opt = getopt(argc, argv, "+vm:s:g:x:")) != -1) {
        switch (opt) {
        case 'v': verbose = 1; break;
        case 'm': min_px = atoi(optarg); break;
        case 's': settle_ms = atoi(optarg); break;
        case 'g': tag = optarg; break;
        case 'x': bus_pid = (pid_t)atoi(optarg); break;
        default: usage(argv[0]);
        }
    }
    if (optind >= argc) usage(argv[0]);
    char** cmd = argv + optind;

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwait: cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignore_x_errors);
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    /* Every top-level window gets a damage record as it is made, before the
     * program can draw into it; the first report on the window that counts
     * is its first paint. */
    int damage_event = 0, damage_error = 0;
    const int has_damage = XDamageQueryExtension(dpy, &damage_event, &damage_error);
    struct painted painted[256];
    int npainted = 0;
    XSync(dpy, False);
    /* A program that forks and lets its parent exit stays ours to measure
     * and to stop. */
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(cmd[0], cmd);
        perror("mapwait: exec");
        _exit(127);
    }
    if (pid < 0) {
        perror("mapwait: fork");
        return 2;
    }

    double mapped = -1;
    long owner = -1;
    Window window = None;
    int launched_alive = 1;
    int fd = ConnectionNumber(dpy);
    while (mapped < 0 && now_ms() - start < 20000) {
        while (mapped < 0 && XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (note_damage(dpy, &ev, has_damage, damage_event, painted, &npainted, start))
                continue;
            if (ev.type != MapNotify || ev.xmap.override_redirect) continue;
            double t = now_ms() - start;
            XWindowAttributes wa;
            if (!XGetWindowAttributes(dpy, ev.xmap.window, &wa)) continue;
            long wpid = window_pid(dpy, ev.xmap.window);
            char* name = NULL;
            XFetchName(dpy, ev.xmap.window, &name);
            int ours = wpid < 0 || wpid == pid || is_descendant((pid_t)wpid, getpid());
            int big = wa.width >= min_px && wa.height >= min_px;
            if (verbose)
                fprintf(stderr, "mapwait: %.1f ms map 0x%lx %dx%d pid %ld \"%s\"%s\n", t,
                        ev.xmap.window, wa.width, wa.height, wpid, name ? name : "",
                        ours && big ? "  <- the window" : (ours ? "  (too small)" : "  (not ours)"));
            if (name) XFree(name);
            if (ours && big) {
                mapped = t;
                owner = wpid;
                window = ev.xmap.window;
            }
        }
        if (mapped >= 0) break;
        int status;
        if (launched_alive && waitpid(pid, &status, WNOHANG) == pid) {
            launched_alive = 0;
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                fprintf(stderr, "mapwait: the program ended before it showed a window\n");
                return 1;
            }
        }
        while (waitpid(-1, NULL, WNOHANG) > 0) { /* orphans handed to us */
        }
        struct procs tree;
        if (!launched_alive && (descendants(&tree), tree.n == 0)) {
            fprintf(stderr, "mapwait: the program and its children ended without a window\n");
            return 1;
        }
        wait_for_events(fd, 10000);
    }

    double paint = -1;
    while (mapped >= 0 && has_damage && paint < 0 && now_ms() - start < mapped + 5000) {
        for (int i = 0; i < npainted; ++i)
            if (painted[i].window == window && painted[i].at >= 0) paint = painted[i].at;
        if (paint >= 0) break;
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            note_damage(dpy, &ev, has_damage, damage_event, painted, &npainted, start);
        }
        wait_for_events(fd, 2000);
    }

    struct procs tree;
    if (mapped >= 0) {
        /* Memory once start-up work after the first paint has settled. */
        usleep(1000 * (useconds_t)settle_ms);
        long main_kb = -1, tree_kb = 0, helper_kb = 0;
        int helpers = 0;
        descendants(&tree);
        for (int i = 0; i < tree.n; ++i) {
            long kb = rss_kb(tree.pid[i]);
            if (kb > 0) tree_kb += kb;
        }
        main_kb = rss_kb(owner > 0 && is_descendant((pid_t)owner, getpid()) ? (pid_t)owner : pid);
        if (tag) {
            char entry[256];
            snprintf(entry, sizeof entry, "DUNOK_BENCH_HELPER=%s", tag);
            struct procs all;
            list_pids(&all);
            for (int i = 0; i < all.n; ++i) {
                pid_t p = all.pid[i];
                if (p == bus_pid || p == getpid() || !environ_has(p, entry)) continue;
                if (is_descendant(p, getpid())) continue; /* already in the tree */
                long kb = rss_kb(p);
                if (kb > 0) {
                    helper_kb += kb;
                    ++helpers;
                    if (verbose) fprintf(stderr, "mapwait: helper %d %ld kB\n", (int)p, kb);
                }
            }
        }
        printf(
            "map_ms=%.1f rss_kb=%ld tree_kb=%ld procs=%d helper_kb=%ld helpers=%d paint_ms=%.1f\n",
            mapped, main_kb, tree_kb, tree.n, helper_kb, helpers, paint);
        fflush(stdout);
    } else {
        fprintf(stderr, "mapwait: no window within 20 s\n");
    }

    /* Stop the program, then anything of it that outlived it. */
    if (launched_alive) kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        while (waitpid(-1, NULL, WNOHANG) > 0) {
        }
        descendants(&tree);
        if (tree.n == 0) break;
        if (i == 100 || i == 299 || (i == 0 && !launched_alive))
            for (int k = 0; k < tree.n; ++k) kill(tree.pid[k], i == 299 ? SIGKILL : SIGTERM);
        usleep(10000);
    }
    while (waitpid(-1, NULL, 0) > 0) { /* every one of them was told to go */
    }
    XCloseDisplay(dpy);
    return mapped >= 0 ? 0 : 1;
}
