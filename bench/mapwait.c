/* Starts a program and measures the time from launch to its first mapped
 * top-level window on the X display, then its resident memory a moment
 * later. Prints one line: "map_ms=... rss_kb=...". */
#include <X11/Xlib.h>
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
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

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s program [args...]\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwait: cannot open the X display\n");
        return 2;
    }
    Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        perror("mapwait: exec");
        _exit(127);
    }
    if (pid < 0) {
        perror("mapwait: fork");
        return 2;
    }

    double mapped = -1;
    int fd = ConnectionNumber(dpy);
    while (mapped < 0 && now_ms() - start < 20000) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect) {
                mapped = now_ms() - start;
                break;
            }
        }
        if (mapped >= 0) break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "mapwait: the program ended before it showed a window\n");
            return 1;
        }
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval tv = {0, 10000};
        select(fd + 1, &set, NULL, NULL, &tv);
    }
    if (mapped < 0) {
        fprintf(stderr, "mapwait: no window within 20 s\n");
        kill(pid, SIGKILL);
        return 1;
    }
    /* Memory once start-up work after the first paint has settled. */
    usleep(1000 * 1000);
    long kb = rss_kb(pid);
    kill(pid, SIGTERM);
    for (int i = 0; i < 300; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid) break;
        usleep(10000);
        if (i == 299) {
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
        }
    }
    printf("map_ms=%.1f rss_kb=%ld\n", mapped, kb);
    XCloseDisplay(dpy);
    return 0;
}
