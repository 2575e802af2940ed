// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kind of an item, decided by the first character of its content. The
// ordinal values are used by the tool palette and the placement code.
#include <cstdint>

namespace sorvel {

enum TContentKind : std::uint8_t {
    ckNone = 0,
    ckNote = 1,
    ckBarLine = 2,
    ckBeat = 3,
    ckHorizBar = 4,
    ckTextBox = 5,
    ckFingerNo = 6,
    ckPF = 7,
    ckOrnament = 8,
    ckOrnament1 = 9,
    ckPortamento = 10,
    ckSpeed = 11,
    ckBranch = 12,
    ckBow = 13,
    ckString = 14,
    ckEtc = 15,
    ckCresc = 16,
    ckSlur = 17,
    ckRenTon = 18,
    ck3ren = 19,
    ckKakko = 20,
    ckRinji = 21,
    ckFuten = 22,
    ckDaonLeft = 23,
    ckDaonRight = 24,
    ckTempo = 25,
    ckCopy = 26,
};

}  // namespace sorvel
