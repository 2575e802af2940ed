// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clicks heard in the headphones while recording: a count-in of a few
// beats and, if chosen, a metronome after it, as 16-bit mono samples that an
// audio output reads like a file.
#include <QIODevice>
#include <cstdint>

namespace sorvel {

struct ClickPlan {
    int rate = 48000;
    double tempo = 80;       // beats a minute
    int countInBeats = 0;    // clicks before the take starts
    bool metronome = false;  // clicks go on during the take

    // Frames of the count-in: the take starts after them.
    std::int64_t CountInFrames() const;
};

class ClickTrack : public QIODevice {
    Q_OBJECT
public:
    ClickTrack(ClickPlan plan, QObject* parent = nullptr);

    // The next `frames` samples; silence between the clicks and after the
    // count-in when the metronome is off.
    void Fill(std::int16_t* out, std::int64_t frames);
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    ClickPlan plan_;
    std::int64_t position_ = 0;
};

}  // namespace sorvel
