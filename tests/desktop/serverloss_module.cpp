// Loaded by tst_soundserverloss as Dunok loads its sound module, with the same write guard: plays
// into a sink, has the sound server killed, and writes again once the stream has died with it.
#include <signal.h>

#include <QAudioSink>
#include <QEventLoop>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

extern "C" __attribute__((visibility("default"))) int dunokWriteAfterServerLoss(long serverPid) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return 2;
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioSink sink(device, format);
    QIODevice* stream = sink.start();
    if (!stream) return 3;
    const QByteArray silence(8820, '\0');
    stream->write(silence);
    kill(pid_t(serverPid), SIGKILL);
    // PulseAudio's own thread marks the stream failed; with no event processed yet, Qt has not
    // heard of it, and its write goes to the dead stream, as an alarm's next buffer does.
    for (int tries = 0; sink.bytesFree() >= 0; ++tries) {
        if (tries == 3000) return 4;
        QThread::msleep(10);
    }
    stream->write(silence);
    // Qt now hears of the loss, stops the sink and lets go of its connection.
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
    return sink.state() == QAudio::StoppedState && sink.error() == QAudio::FatalError ? 0 : 5;
}
