// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/rcpdata.h"

#include <optional>
#include <vector>

#include "base/readfile.h"

namespace sorvel {

namespace {

constexpr const char* kSignature = "RCM-PC98V2.0(C)COME ON MUSIC";

struct RhythmSeed {
    const char* name;
    std::uint8_t note;
};

constexpr RhythmSeed kRhythmSeeds[TRcpData::kRhythmCount] = {
    {"HandClap", 39},     {"MuteHighConga", 62}, {"OpenHighConga", 63},  {"LowConga", 64},
    {"CrashCymbal1", 49}, {"RideCymbal1", 51},   {"PedalHi-hat", 44},    {"OpenHi-hat", 46},
    {"ClosedHi-hat", 42}, {"HighTom2", 48},      {"MidTom2", 45},        {"LowTom2", 41},
    {"SideStick", 37},    {"SnareDrum2", 40},    {"SnareDrum1", 38},     {"KickDrum1", 36},
    {"HighTimbale", 65},  {"LowTimbale", 66},    {"Cowbell", 56},        {"HighBongo", 60},
    {"LowBongo", 61},     {"HighAgogo", 67},     {"LowAgogo", 68},       {"Tambourine", 54},
    {"Claves", 75},       {"Maracas", 70},       {"LongLowWhistle", 72}, {"ShortHiWhistle", 71},
    {"Cabasa", 69},       {"ShortGuiro", 73},    {"MuteTriangle", 80},   {"OpenTriangle", 81},
};

// Reads little-endian fields and never past the end: a read beyond it yields
// zeros and marks the reader failed.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Ok() const { return ok_; }
    std::size_t Position() const { return pos_; }

    bool Has(std::size_t n) {
        if (bytes_.size() - pos_ < n) ok_ = false;
        return ok_;
    }
    std::uint8_t U8() {
        if (!Has(1)) return 0;
        return bytes_[pos_++];
    }
    std::uint16_t U16() {
        if (!Has(2)) return 0;
        const auto v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    void Skip(std::size_t n) {
        if (Has(n)) pos_ += n;
    }
    // A text field of n bytes, taken up to its first NUL.
    std::string Text(std::size_t n) {
        if (!Has(n)) return {};
        std::string s;
        for (std::size_t i = 0; i < n && bytes_[pos_ + i] != 0; ++i)
            s.push_back(static_cast<char>(bytes_[pos_ + i]));
        pos_ += n;
        return s;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

struct ParsedTrack {
    std::uint32_t size = 0;
    bool rhythm = false;
    std::uint8_t channel = 0;
    std::uint8_t keyShift = 0;
    std::uint8_t stepShift = 0;
    std::uint8_t mode = 0;
    std::string comment;
    TMidiEventList events;
};

struct ParsedHeader {
    std::string signature, title, memo;
    std::uint8_t timeBase = 0, tempo = 0, beatNumerator = 0, beatDenominator = 0, key = 0;
    int playBias = 0;
    std::array<RhythmDefinition, TRcpData::kRhythmCount> rhythms;
    std::array<UserExclusive, TRcpData::kUserExclusiveCount> userExclusives;
};

constexpr std::size_t kCommentRecords = 10;  // the comment record and 9 that carry its text

std::optional<ParsedHeader> ReadHeader(ByteReader& in) {
    ParsedHeader h;
    h.signature = in.Text(32);
    h.title = in.Text(64);
    h.memo = in.Text(336);
    in.Skip(16);
    h.timeBase = in.U8();
    h.tempo = in.U8();
    h.beatNumerator = in.U8();
    h.beatDenominator = in.U8();
    h.key = in.U8();
    h.playBias = static_cast<std::int8_t>(in.U8());
    in.Skip(64);
    for (RhythmDefinition& r : h.rhythms) {
        r.name = in.Text(14);
        r.note = in.U8();
        r.gate = in.U8();
    }
    for (UserExclusive& u : h.userExclusives) {
        u.memo = in.Text(24);
        for (std::uint8_t& b : u.data) b = in.U8();
    }
    if (!in.Ok()) return std::nullopt;
    return h;
}

// One track from its header up to and including its end record.
bool ReadTrack(ByteReader& in, ParsedTrack& track) {
    track.size = in.U16();
    in.Skip(1);
    track.rhythm = in.U8() != 0;
    track.channel = in.U8();
    track.keyShift = in.U8();
    track.stepShift = in.U8();
    track.mode = in.U8();
    track.comment = in.Text(36);
    while (in.Has(4)) {
        TMidiEvent e;
        e.type = in.U8();
        e.step = in.U8();
        e.gate = in.U8();
        e.velocity = in.U8();
        if (e.type == evt::kSameMeasure) {
            e.gate = static_cast<std::uint16_t>(e.step + (e.gate % 4) * 256 + 1);
        } else if (e.type == evt::kComment) {
            if (!in.Has(4 * (kCommentRecords - 1))) return false;
            std::string text{static_cast<char>(e.gate), static_cast<char>(e.velocity)};
            for (std::size_t k = 1; k < kCommentRecords; ++k) {
                in.Skip(2);
                text.push_back(static_cast<char>(in.U8()));
                text.push_back(static_cast<char>(in.U8()));
            }
            e.text = text.substr(0, text.find('\0'));
        }
        track.events.Add(e);
        if (e.type == evt::kEndOfTrack) {
            track.events.NumberMeasures();
            return true;
        }
    }
    return false;
}

// A folder, a device, a pipe, a read error or more than kMaxBytes (far
// beyond any song file) are plain failures.
bool ReadWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
    constexpr std::size_t kMaxBytes = 8u << 20;
    std::string data;
    if (ReadFileBytes(fileName, kMaxBytes, data) != 0) return false;
    bytes.assign(data.begin(), data.end());
    return true;
}

}  // namespace

const char* RcpReadErrorText(RcpReadError error) {
    switch (error) {
        case RcpReadError::kOk:
            return "";
        case RcpReadError::kCannotOpen:
            return "RCPファイルを開けません。";
        case RcpReadError::kTruncated:
            return "RCPファイルが途中で終わっています。";
    }
    return "";
}

TRcpData::TRcpData() {
    for (int j = 1; j <= kTrackCount; ++j) Track(j).number = static_cast<std::uint8_t>(j);
}

void TRcpData::ClearAllEvents() {
    for (TTrackData& t : tracks_) t.events.Clear();
}

void TRcpData::SetStartupValues() {
    signature = kSignature;
    title.clear();
    memo.clear();
    timeBase = kTimeBase;
    tempo = 64;
    beatDenominator = 4;
    beatNumerator = 4;
    key = 0;
    playBias = 0;
    trackCount = kTrackCount;
    for (int i = 0; i < kRhythmCount; ++i) {
        rhythms[static_cast<std::size_t>(i)] = {kRhythmSeeds[i].name, kRhythmSeeds[i].note, 1};
    }
    for (int i = 0; i < kUserExclusiveCount; ++i) {
        UserExclusive& u = userExclusives[static_cast<std::size_t>(i)];
        u.memo = "USER EXCLUSIVE " + std::to_string(i);
        u.data.fill(0xF7);
    }
    for (int j = 1; j <= kTrackCount; ++j) {
        TTrackData& t = Track(j);
        t.size = 48;
        t.number = static_cast<std::uint8_t>(j);
        t.rhythm = j == 10;
        t.channel = j <= 16 ? static_cast<std::uint8_t>(j - 1) : kNoChannel;
        t.keyShift = j == 10 ? kNotTransposed : 0;
        t.stepShift = 0;
        t.mode = 0;
        t.comment.assign(36, ' ');
        t.events.Clear();
        t.events.Add(MakeEndOfTrackEvent());
    }
}

RcpReadError TRcpData::ReadRcpFile(const std::string& fileName) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(fileName, bytes)) {
        ClearAllEvents();
        return RcpReadError::kCannotOpen;
    }
    return ReadRcpBytes(bytes);
}

RcpReadError TRcpData::ReadRcpBytes(std::span<const std::uint8_t> bytes) {
    ClearAllEvents();
    ByteReader in(bytes);
    std::optional<ParsedHeader> header = ReadHeader(in);
    if (!header) return RcpReadError::kTruncated;
    std::array<ParsedTrack, kTrackCount> parsed;
    for (ParsedTrack& t : parsed) {
        if (!ReadTrack(in, t)) return RcpReadError::kTruncated;
    }

    signature = std::move(header->signature);
    title = std::move(header->title);
    memo = std::move(header->memo);
    timeBase = header->timeBase;
    tempo = header->tempo;
    beatNumerator = header->beatNumerator;
    beatDenominator = header->beatDenominator;
    key = header->key;
    playBias = header->playBias;
    rhythms = std::move(header->rhythms);
    userExclusives = header->userExclusives;
    for (int j = 1; j <= kTrackCount; ++j) {
        ParsedTrack& p = parsed[static_cast<std::size_t>(j - 1)];
        TTrackData& t = Track(j);
        t.size = p.size;
        t.number = static_cast<std::uint8_t>(j);
        t.rhythm = p.rhythm;
        t.channel = p.channel;
        t.keyShift = p.keyShift;
        t.stepShift = p.stepShift;
        t.mode = p.mode;
        t.comment = std::move(p.comment);
        t.events = std::move(p.events);
    }
    return RcpReadError::kOk;
}

}  // namespace sorvel
