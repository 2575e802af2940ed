// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private PulseAudio daemon for tests that listen: a null sink "take" that
// tones are played into and a virtual source "virtmic" remapped from its monitor.
#include <spawn.h>
#include <sys/wait.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <string>
#include <vector>

extern char** environ;

namespace sorvel::testing {

// Starts `args` (the first found on PATH); 0 when it cannot be started.
inline pid_t Spawn(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    return posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0 ? pid : 0;
}

// Runs the event loop until `done` holds or `ms` pass; whether it holds.
template <class F>
bool WaitFor(F done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QTest::qWait(10);
    return done();
}

class PrivatePulse {
public:
    ~PrivatePulse() { Kill(); }

    // Starts the daemon in `dir` and points this process at it (before Qt
    // Multimedia first looks for devices); false when it cannot be started.
    bool Start(const QTemporaryDir& dir) {
        const QString runtime = dir.filePath("runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString socket = dir.filePath("native");
        QFile script(dir.filePath("null.pa"));
        if (!script.open(QIODevice::WriteOnly)) return false;
        // The socket last: once it exists the sink and the source are there.
        script.write(QString("load-module module-null-sink sink_name=take\n"
                             "load-module module-remap-source master=take.monitor "
                             "source_name=virtmic\n"
                             "load-module module-native-protocol-unix auth-anonymous=1 socket=%1\n")
                         .arg(socket)
                         .toUtf8());
        script.close();
        qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
        pid_ = Spawn({"pulseaudio", "-n", "-F", script.fileName().toStdString(), "--daemonize=no",
                      "--exit-idle-time=-1",
                      "--log-target=file:" + dir.filePath("pulse.log").toStdString()});
        if (!pid_ || !WaitFor([&] { return QFile::exists(socket); }, 5000)) return false;
        qputenv("PULSE_SERVER", ("unix:" + socket).toUtf8());
        return true;
    }

    // Ends the daemon at once, as a device that fails.
    void Kill() {
        if (!pid_) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
};

}  // namespace sorvel::testing
