// Keeps a sound server that goes away during an alarm from hanging Dunok.
//
// Qt 6.4's PulseAudio sink takes the PulseAudio main loop's lock for each write and, when the
// write fails because the stream has died with its server, returns without releasing that lock
// ("pa_stream_begin_write error: Connection terminated" in the log). The lock is recursive and
// now held for good by the GUI thread, so the next thing that stops the main loop waits forever
// for the loop's own thread: Qt's reconnect after the server's loss does that at once, and the
// end of the program does it last. Dunok hung, at 100% of nothing, whenever the sound server
// died at the wrong moment of an alarm, as it does when a session ends.
//
// The module is loaded with its own libraries kept local, so the two definitions below come
// before libpulse's for the Qt library the module brings in. A write to a stream that is no
// longer ready becomes an empty write that succeeds, so that Qt goes on to release its lock. The
// loss itself still reaches Qt through the connection, which stops the sink with an error as
// before, and the alarm ends as one that could not be played.
#include <dlfcn.h>
#include <pulse/stream.h>

namespace {

template <typename Function>
Function libpulses(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

bool deadStream(pa_stream* stream) {
    return stream && pa_stream_get_state(stream) != PA_STREAM_READY;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int pa_stream_begin_write(pa_stream* stream, void** data,
                                                                 size_t* bytes) {
    using BeginWrite = int (*)(pa_stream*, void**, size_t*);
    // Looked up once: the alarm writes many times a second.
    static const auto real = libpulses<BeginWrite>("pa_stream_begin_write");
    const int result = real ? real(stream, data, bytes) : -1;
    if (result >= 0 || !deadStream(stream) || !data || !bytes) return result;
    // Room for nothing: the caller copies no bytes there and writes none from there, but libpulse
    // insists on an address.
    static constexpr char nowhere = 0;
    *data = const_cast<char*>(&nowhere);
    *bytes = 0;
    return 0;
}

__attribute__((visibility("default"))) int pa_stream_write(pa_stream* stream, const void* data,
                                                           size_t bytes, pa_free_cb_t freeData,
                                                           int64_t offset, pa_seek_mode_t seek) {
    using Write = int (*)(pa_stream*, const void*, size_t, pa_free_cb_t, int64_t, pa_seek_mode_t);
    static const auto real = libpulses<Write>("pa_stream_write");
    const int result = real ? real(stream, data, bytes, freeData, offset, seek) : -1;
    return result < 0 && !freeData && deadStream(stream) ? 0 : result;
}

}  // extern "C"
