// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Transcription of a melody into a new book: written music from the heard
// notes, laid out as an imported score, with a summary and the notes to
// check. For recordings on disk TranscribeFile listens first.
#include <memory>
#include <string>
#include <vector>

#include "base/usertext.h"
#include "listen/heardmelody.h"
#include "listen/listenprogress.h"
#include "listen/transcribeoptions.h"
#include "listen/writtenmusic.h"

namespace sorvel {
class TMusicBook;
class TNote;
struct ModelEnv;
}  // namespace sorvel

namespace sorvel::listen {

struct TranscribeResult {
    bool ok = false;
    UserText error;  // why there is no book; empty when ok
    std::unique_ptr<TMusicBook> book;
    UserText summary;               // one line: notes, 1=, time signature, tempo, notes to check
    std::vector<TNote*> uncertain;  // numerals in the book of notes to check, in play order
    WrittenMusic music;             // what the book was made from
};

// The book of a heard melody (a recording made in the editor), titled
// `title` (UTF-8). Cancelled through `progress` between its stages.
TranscribeResult Transcribe(const HeardMelody& melody, const TranscribeOptions& options,
                            const std::string& title, ModelEnv& env,
                            const ListenProgress& progress = {});

// The book of the recording at `path` (WAV, FLAC, OGG, MP3), titled from
// its file name. Listening takes most of the progress.
TranscribeResult TranscribeFile(const std::string& path, const TranscribeOptions& options,
                                ModelEnv& env, const ListenProgress& progress = {});

// The title a recording's book gets: its file name without folder and extension.
std::string TitleOfRecording(const std::string& path);

}  // namespace sorvel::listen
