// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where playing along hears the player: the microphone chosen for recording,
// its samples stamped on the play's clock. Tests hand in a source of their own.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "playback/timesource.h"

namespace sorvel {

class PlayAlongInput {
public:
    virtual ~PlayAlongInput() = default;
    virtual int Rate() const = 0;
    // Moves the mono samples received since the last call to `out`.
    virtual void Take(std::vector<float>& out) = 0;
    // The clock time at which the stream's first sample was heard, as well
    // as it is known so far.
    virtual std::int64_t StreamStart() const = 0;
};

struct PlayAlongInputs {
    // Whether there is an input to listen to at all.
    std::function<bool()> available;
    // Opens it on `clock`; nullptr when it cannot be opened.
    std::function<std::unique_ptr<PlayAlongInput>(const TimeSource& clock)> open;

    // The input device of the record dialog (the default input otherwise).
    static PlayAlongInputs Microphone(std::string settingsPath);
};

}  // namespace sorvel
