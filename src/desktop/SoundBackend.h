// What the program asks of its sound module. The module alone links the sound libraries (decoding
// and the sound server's client with all it drags in), so that a start that plays nothing does
// not pay for loading them. It is opened the first time a sound is needed. The program finds the
// one function below by name and calls the rest through these classes' virtual tables, so the
// module needs no symbol of the program.
#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace dunok::sound {

// Raised whenever a class below changes, so that a module left over from another build is refused
// instead of being called through tables that no longer match.
inline constexpr int kInterfaceVersion = 2;

// What an output needs from whoever plays through it. Called on the thread that made the output.
class OutputListener {
public:
    // Linear gain, 0..1, read each time the device asks for more, so that a change is heard
    // within a buffer.
    virtual double volume() const = 0;
    // The playback that the last play() started has ended: heard to its end (true) or broken off
    // by the device (false). At most once per play(), never after stop(), and from inside the
    // sound system's own notification: the output must not be stopped or destroyed from here.
    virtual void ended(bool successfully) = 0;

protected:
    ~OutputListener() = default;
};

// One sound's way to the default device, made once per sound and played any number of times.
class Output {
public:
    virtual ~Output() = default;
    // Plays the samples once from the start, followed by a short silence, on what
    // is now the default device (a change of default since the last play is followed). False
    // when no output could be opened; nothing is reported then.
    virtual bool play() = 0;
    // Stops at once; the interrupted playback reports no end.
    virtual void stop() = 0;
};

class Backend {
public:
    // Decodes the whole file into interleaved samples, full scale = 1, with no NaN or infinity.
    // The caller has checked that the file exists, is a file, can be read and is not empty. On
    // failure returns false and sets *error to the reason ("The file ... is not a sound file
    // Dunok can read (...)." and the like).
    virtual bool decode(const QString& path, std::vector<float>* samples, int* rate, int* channels,
                        QString* error) = 0;
    // An output for the samples, converted to whatever the device takes. samples and listener
    // must outlive it.
    virtual std::unique_ptr<Output> makeOutput(const std::vector<float>& samples, int rate,
                                               int channels, OutputListener& listener) = 0;
    // Connects to the sound system ahead of the first play, which then only opens its stream.
    virtual void warmUp() = 0;

protected:
    ~Backend() = default;
};

// The program's side: opens the module the first time it is asked, at most once per process, and
// returns its backend; or null, with *error naming the module and why it could not be loaded.
Backend* loadBackend(QString* error);
// Opens the module at path, every time it is asked: its backend, or null and why.
Backend* openBackend(const QString& path, QString* error);

}  // namespace dunok::sound

// The module's one exported function: its backend, which lives as long as the process, or null
// when the module was built for another kInterfaceVersion.
#define DUNOK_SOUND_BACKEND_FUNCTION "dunok_sound_backend"
extern "C" {
using DunokSoundBackendFunction = dunok::sound::Backend* (*)(int interfaceVersion);
}
