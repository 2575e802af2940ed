// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recordings for the transcription tests, made in the test: a bowed-string-
// like melody (a sawtooth-like spectrum, attack and release), written as a
// 16-bit WAV file or handed on as the bytes a device delivers.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "model/musicbook.h"
#include "model/musicsheet.h"
#include "model/note.h"

namespace sorvel::testing {

inline constexpr int kRate = 44100;

struct Tone {
    double midi;
    double seconds;
};

// A bowed-string-like melody: a sawtooth-like spectrum of twelve harmonics,
// a short attack and release, a small gap between the notes.
inline std::vector<float> RenderMelody(const std::vector<Tone>& tones, double amplitude = 0.3) {
    std::vector<float> out(static_cast<size_t>(0.3 * kRate), 0.0f);
    for (const Tone& tone : tones) {
        const double hz = 440.0 * std::pow(2.0, (tone.midi - 69) / 12);
        const size_t n = static_cast<size_t>(tone.seconds * kRate);
        const size_t gap = static_cast<size_t>(0.04 * kRate);
        for (size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double envelope = std::min({1.0, t / 0.03, (tone.seconds - 0.04 - t) / 0.03});
            double v = 0;
            for (int k = 1; k <= 12; ++k) v += std::sin(2 * std::numbers::pi * k * hz * t) / k;
            out.push_back(static_cast<float>(
                i + gap < n ? amplitude * 0.5 * std::max(envelope, 0.0) * v : 0));
        }
    }
    out.resize(out.size() + static_cast<size_t>(0.3 * kRate), 0.0f);
    return out;
}

// Two bars of 4/4 at ♩ = 120 in D major.
inline std::vector<Tone> Scale() {
    std::vector<Tone> tones;
    for (int midi : {62, 64, 66, 67, 69, 71, 73, 74}) tones.push_back({double(midi), 0.5});
    return tones;
}

inline QByteArray Int16Bytes(const std::vector<float>& mono, int channels) {
    QByteArray bytes;
    for (float v : mono) {
        const auto s = static_cast<std::int16_t>(std::lround(v * 32767));
        for (int c = 0; c < channels; ++c) bytes.append(reinterpret_cast<const char*>(&s), 2);
    }
    return bytes;
}

inline bool WriteWav(const QString& path, const std::vector<float>& mono) {
    const QByteArray data = Int16Bytes(mono, 1);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    auto u32 = [&file](quint32 v) { file.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&file](quint16 v) { file.write(reinterpret_cast<const char*>(&v), 2); };
    file.write("RIFF");
    u32(36 + data.size());
    file.write("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(kRate), u32(kRate * 2), u16(2), u16(16);
    file.write("data");
    u32(data.size());
    file.write(data);
    return true;
}

inline int CountNotes(const TMusicBook& book) {
    int notes = 0;
    for (int p = 0; p < book.SheetCount(); ++p) {
        const TMusicSheet& page = *book.GetSheet(p);
        for (int i = 0; i < page.ItemCount(); ++i) notes += page.GetItem(i)->As<TNote>() != nullptr;
    }
    return notes;
}

}  // namespace sorvel::testing
