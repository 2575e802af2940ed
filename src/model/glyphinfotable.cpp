// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/glyphinfotable.h"

namespace sorvel {
namespace {

// Kinds of the codes 32..127, in code order.
constexpr TContentKind kKinds[96] = {
    /* 32 ' ' */ ckNone,
    /* 33..36 ! " # $ */ ckBeat,
    ckBeat,
    ckBeat,
    ckBeat,
    /* 37..40 % & ' ( */ ckBeat,
    ckBeat,
    ckBeat,
    ckBeat,
    /* 41 ) */ ckBeat,
    /* 42..45 * + , - (ending numbers) */ ckNone,
    ckNone,
    ckNone,
    ckNone,
    /* 46 . */ ckFingerNo,
    /* 47 / */ ckTempo,
    /* 48..56 0..8 */ ckNote,
    ckNote,
    ckNote,
    ckNote,
    ckNote,
    ckNote,
    ckNote,
    ckNote,
    ckNote,
    /* 57 9 */ ckFuten,
    /* 58 59 : ; */ ckNone,
    ckNone,
    /* 60..63 < = > ? */ ckKakko,
    ckKakko,
    ckKakko,
    ckKakko,
    /* 64..72 @..H */ ckPF,
    ckPF,
    ckPF,
    ckPF,
    ckPF,
    ckPF,
    ckPF,
    ckPF,
    ckPF,
    /* 73 74 I J */ ckCresc,
    ckCresc,
    /* 75 K */ ckDaonLeft,
    /* 76 L */ ckDaonRight,
    /* 77 M */ ckHorizBar,
    /* 78 N */ ckNone,
    /* 79 O */ ckTextBox,
    /* 80 81 P Q */ ckBow,
    ckBow,
    /* 82 83 R S */ ckString,
    ckString,
    /* 84..88 T..X */ ckFingerNo,
    ckFingerNo,
    ckFingerNo,
    ckFingerNo,
    ckFingerNo,
    /* 89 Y */ ckSlur,
    /* 90 Z */ ck3ren,
    /* 91 92 93 [ \ ] */ ckOrnament,
    ckOrnament,
    ckOrnament,
    /* 94 95 ^ _ */ ckPortamento,
    ckPortamento,
    /* 96 ` */ ckRinji,
    /* 97 98 a b */ ckRinji,
    ckRinji,
    /* 99..104 c..h */ ckBarLine,
    ckBarLine,
    ckBarLine,
    ckBarLine,
    ckBarLine,
    ckBarLine,
    /* 105..109 i..m */ ckBranch,
    ckBranch,
    ckBranch,
    ckBranch,
    ckBranch,
    /* 110 n */ ckSpeed,
    /* 111 o */ ckOrnament1,
    /* 112 p */ ckOrnament,
    /* 113 114 q r */ ckOrnament1,
    ckOrnament1,
    /* 115 s */ ckOrnament,
    /* 116 t */ ckEtc,
    /* 117 u */ ckSpeed,
    /* 118..122 v w x y z */ ckOrnament,
    ckOrnament,
    ckOrnament,
    ckOrnament,
    ckOrnament,
    /* 123 124 { | */ ckPortamento,
    ckPortamento,
    /* 125 } */ ckRenTon,
    /* 126 ~, 127 */ ckNone,
    ckNone,
};

GlyphInfo RatesFor(TContentKind kind, const OffsetRates& r) {
    switch (kind) {
        case ckNote:
        case ckHorizBar:
            return {kind, 100, 100, 0};
        case ckBarLine:
            return {kind, 200, 100, 0};
        case ckBeat:
            return {kind, 150, 100, 0};
        case ckTextBox:
            return {kind, 100, 100, 200};
        case ckFingerNo:
            return {kind, 100, 50, r.FingerNo};
        case ckPF:
            return {kind, 120, 50, r.PF};
        case ckOrnament:
            return {kind, 150, 33, r.Ornament};
        case ckOrnament1:
            return {kind, 150, 33, r.Slur};
        case ckPortamento:
            return {kind, 100, 60, r.Slur};
        case ckSpeed:
            return {kind, 180, 50, r.Speed};
        case ckBranch:
            return {kind, 160, 50, r.Branch};
        case ckBow:
            return {kind, 100, 50, r.Bow};
        case ckString:
            return {kind, 100, 50, r.String};
        case ckCresc:
            return {kind, 100, 50, r.Crese};
        case ckSlur:
        case ckRenTon:
            return {kind, 100, 50, r.Slur};
        case ck3ren:
            return {kind, 100, 80, r.Ren3};
        case ckKakko:
            return {kind, 100, 80, r.Kakko};
        case ckRinji:
            return {kind, 100, 50, 0};
        case ckDaonLeft:
        case ckDaonRight:
            return {kind, 100, 100, 80};
        case ckTempo:
            return {kind, 70, 100, r.PF};
        // The "other" sign would otherwise be drawn at size 0 and be
        // invisible; it is shown and placed like an ornament.
        case ckEtc:
            return {kind, 100, 50, r.Ornament};
        default:
            return {kind, 0, 0, 0};
    }
}

}  // namespace

GlyphInfoTable::GlyphInfoTable() {
    RefreshRates(OffsetRates{});
}

TContentKind GlyphInfoTable::KindOf(unsigned char code) {
    if (code < 32 || code >= kSize) return ckNone;
    return kKinds[code - 32];
}

void GlyphInfoTable::RefreshRates(const OffsetRates& rates) {
    for (int code = 32; code < kSize; ++code) {
        entries_[code] = RatesFor(KindOf(static_cast<unsigned char>(code)), rates);
    }
}

const GlyphInfo& GlyphInfoTable::Lookup(unsigned char code) const {
    static constexpr GlyphInfo kEmpty{};
    return code < kSize ? entries_[code] : kEmpty;
}

GlyphInfo GlyphInfoTable::LookupContent(std::string_view content) const {
    if (content.empty()) return {ckNone, 0, 100, 0};
    return Lookup(static_cast<unsigned char>(content[0]));
}

}  // namespace sorvel
