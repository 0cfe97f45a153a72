// Listens to the default sink's monitor and says, on standard output, when sound starts and
// stops there, each moment read from CLOCK_BOOTTIME (the clock Dunok's timers run on) as the
// recorded fragment arrives. A separate program so that the one being timed does not have the
// sound server's client library loaded already.
//
//   dunok_sound_probe record        "ready", then "sound NS" and "quiet NS", one a line
//   dunok_sound_probe floor RUNS    the same path timed for a click played straight to the sink
//   dunok_sound_probe newstream RUNS MS   the same for a click at the start of a new stream
//                                   with a buffer of MS written full, as an alarm starts
//
// A fragment arrives some time after its first sample was played, so every moment is late by up
// to a fragment plus the server's own scheduling; "floor" measures that, for a sound whose
// playing starts at a known moment. A new stream joins the sink by rewinding it, and what the
// monitor has passed on already is not taken back, so about a fragment of a sound's start is
// never heard here: that too can only make a moment later, never earlier.
#include <pthread.h>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <stdatomic.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

enum { kRate = 48000, kChannels = 2, kFragmentFrames = 96 };  // 2 ms fragments
// Sound must be absent this long before the next "sound" is reported.
static const int64_t kQuietNs = 150000000;

static int64_t nowNs(void) {
    struct timespec ts;
    clock_gettime(CLOCK_BOOTTIME, &ts);
    return (int64_t)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

static const pa_sample_spec kSpec = {PA_SAMPLE_S16LE, kRate, kChannels};

static pa_simple* openRecorder(void) {
    const pa_buffer_attr attr = {
        .maxlength = (uint32_t)-1,
        .tlength = (uint32_t)-1,
        .prebuf = (uint32_t)-1,
        .minreq = (uint32_t)-1,
        .fragsize = kFragmentFrames * kChannels * 2,
    };
    int error = 0;
    pa_simple* s = pa_simple_new(NULL, "dunok sound probe", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                 "monitor", &kSpec, NULL, &attr, &error);
    if (!s) fprintf(stderr, "dunok_sound_probe: cannot record: %s\n", pa_strerror(error));
    return s;
}

// The state of the listening thread, shared with the click player of "floor".
static _Atomic int64_t lastSoundNs = -1;  // arrival of the first fragment of the latest sound
static _Atomic int soundCount = 0;
static _Atomic int quietNow = 1;
static _Atomic int stopListening = 0;
static int printEvents = 0;

static int hasSound(const int16_t* samples, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (samples[i] != 0) return 1;
    return 0;
}

static void* listen(void* arg) {
    pa_simple* s = arg;
    int16_t fragment[kFragmentFrames * kChannels];
    int inSound = 0;
    int64_t lastHeardNs = 0;
    int readyTold = 0;  // once fragments flow, not merely once the stream is set up
    while (!atomic_load(&stopListening)) {
        int error = 0;
        if (pa_simple_read(s, fragment, sizeof fragment, &error) < 0) {
            fprintf(stderr, "dunok_sound_probe: recording failed: %s\n", pa_strerror(error));
            exit(2);
        }
        const int64_t at = nowNs();
        if (!readyTold && printEvents) printf("ready\n"), fflush(stdout);
        readyTold = 1;
        if (hasSound(fragment, sizeof fragment / sizeof fragment[0])) {
            lastHeardNs = at;
            if (!inSound) {
                inSound = 1;
                atomic_store(&quietNow, 0);
                atomic_store(&lastSoundNs, at);
                atomic_fetch_add(&soundCount, 1);
                if (printEvents) printf("sound %lld\n", (long long)at), fflush(stdout);
            }
        } else if (inSound && at - lastHeardNs >= kQuietNs) {
            inSound = 0;
            atomic_store(&quietNow, 1);
            if (printEvents) printf("quiet %lld\n", (long long)at), fflush(stdout);
        }
    }
    return NULL;
}

static int compareDoubles(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

static void sleepNs(int64_t ns) {
    const struct timespec ts = {ns / 1000000000, ns % 1000000000};
    nanosleep(&ts, NULL);
}

// Clicks on a stream kept open and fed with nothing in between: the time from writing a click
// to its arrival on the monitor is what the recording adds to any sound, plus what the server
// needs to start a stream that ran dry.
static int measureFloor(int runs) {
    const pa_buffer_attr attr = {
        .maxlength = (uint32_t)-1,
        .tlength = 10 * kRate / 1000 * kChannels * 2,
        .prebuf = kChannels * 2,
        .minreq = (uint32_t)-1,
        .fragsize = (uint32_t)-1,
    };
    int error = 0;
    pa_simple* player = pa_simple_new(NULL, "dunok sound probe", PA_STREAM_PLAYBACK, NULL, "click",
                                      &kSpec, NULL, &attr, &error);
    if (!player) {
        fprintf(stderr, "dunok_sound_probe: cannot play: %s\n", pa_strerror(error));
        return 2;
    }
    enum { kClickFrames = kRate / 100 };  // 10 ms
    static int16_t click[kClickFrames * kChannels];
    for (size_t i = 0; i < sizeof click / sizeof click[0]; ++i)
        click[i] = (i / 48) % 2 ? 8000 : -8000;

    double* ms = calloc((size_t)runs, sizeof *ms);
    int measured = 0;
    // The stream's first click arrives seconds late (about 1.9 s here), however long the
    // listener has run: that is the server settling the new stream, not the listening, so it is
    // played but not counted.
    for (int run = -1; run < runs; ++run) {
        while (!atomic_load(&quietNow)) sleepNs(5000000);
        sleepNs(50000000);
        const int before = atomic_load(&soundCount);
        const int64_t t0 = nowNs();
        if (pa_simple_write(player, click, sizeof click, &error) < 0) {
            fprintf(stderr, "dunok_sound_probe: playing failed: %s\n", pa_strerror(error));
            return 2;
        }
        const int64_t deadline = t0 + 5000000000;
        while (atomic_load(&soundCount) == before && nowNs() < deadline) sleepNs(200000);
        if (atomic_load(&soundCount) == before) {
            fprintf(stderr, "dunok_sound_probe: click %d never arrived\n", run + 1);
            continue;
        }
        if (run >= 0) ms[measured++] = (double)(atomic_load(&lastSoundNs) - t0) / 1e6;
    }
    pa_simple_free(player);
    if (measured == 0) return 1;
    qsort(ms, (size_t)measured, sizeof *ms, compareDoubles);
    printf("floor %d %.1f %.1f %.1f\n", measured, ms[measured / 2], ms[0], ms[measured - 1]);
    free(ms);
    return 0;
}

// As the alarm starts: a new stream for each click, asking for a buffer of bufferMs and
// written full at once, the click at its start. Timed from the write, so that what remains
// over the floor is what the server takes to start a new stream with a buffer that large.
static int measureNewStreams(int runs, int bufferMs) {
    const size_t bytes = (size_t)bufferMs * kRate / 1000 * kChannels * 2;
    const pa_buffer_attr attr = {
        .maxlength = (uint32_t)-1,
        .tlength = (uint32_t)bytes,
        .prebuf = (uint32_t)-1,
        .minreq = (uint32_t)-1,
        .fragsize = (uint32_t)-1,
    };
    int16_t* buffer = calloc(bytes / 2, sizeof *buffer);
    for (size_t i = 0; i < (size_t)kRate / 100 * kChannels && i < bytes / 2; ++i)
        buffer[i] = (i / 48) % 2 ? 8000 : -8000;
    double* ms = calloc((size_t)runs, sizeof *ms);
    int measured = 0;
    for (int run = 0; run < runs; ++run) {
        while (!atomic_load(&quietNow)) sleepNs(5000000);
        sleepNs(200000000);
        int error = 0;
        pa_simple* player = pa_simple_new(NULL, "dunok sound probe", PA_STREAM_PLAYBACK, NULL,
                                          "new stream", &kSpec, NULL, &attr, &error);
        if (!player) {
            fprintf(stderr, "dunok_sound_probe: cannot play: %s\n", pa_strerror(error));
            return 2;
        }
        const int before = atomic_load(&soundCount);
        const int64_t t0 = nowNs();
        if (pa_simple_write(player, buffer, bytes, &error) < 0) {
            fprintf(stderr, "dunok_sound_probe: playing failed: %s\n", pa_strerror(error));
            return 2;
        }
        const int64_t deadline = t0 + 5000000000;
        while (atomic_load(&soundCount) == before && nowNs() < deadline) sleepNs(200000);
        if (atomic_load(&soundCount) > before)
            ms[measured++] = (double)(atomic_load(&lastSoundNs) - t0) / 1e6;
        pa_simple_free(player);
    }
    if (measured == 0) return 1;
    qsort(ms, (size_t)measured, sizeof *ms, compareDoubles);
    printf("newstream %d %.1f %.1f %.1f\n", measured, ms[measured / 2], ms[0], ms[measured - 1]);
    free(ms);
    free(buffer);
    return 0;
}

int main(int argc, char** argv) {
    const int newStreamMode = argc == 4 && strcmp(argv[1], "newstream") == 0;
    const int floorMode = (argc == 3 && strcmp(argv[1], "floor") == 0) || newStreamMode;
    if (!floorMode && !(argc == 2 && strcmp(argv[1], "record") == 0)) {
        fprintf(stderr, "usage: dunok_sound_probe record | floor RUNS | newstream RUNS MS\n");
        return 2;
    }
    pa_simple* recorder = openRecorder();
    if (!recorder) return 2;
    printEvents = !floorMode;
    pthread_t thread;
    pthread_create(&thread, NULL, listen, recorder);
    if (!floorMode) {
        // Until the program timed closes the pipe or kills this one.
        pthread_join(thread, NULL);
        return 0;
    }
    const int runs = atoi(argv[2]);
    const int status = newStreamMode ? measureNewStreams(runs > 0 ? runs : 1, atoi(argv[3]))
                                     : measureFloor(runs > 0 ? runs : 1);
    atomic_store(&stopListening, 1);
    pthread_join(thread, NULL);
    pa_simple_free(recorder);
    return status;
}
