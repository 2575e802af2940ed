#include "playback/conversion/timesignature.h"

#include "model/musicitem.h"

namespace sorvel {

TimeSignature TimeSignatureOf(const TMusicItem* item) {
    if (!item || item->Class() != ItemClass::Beat || item->Content().empty()) return {};
    switch (item->Content()[0]) {
        case '!':
            return {2, 2};
        case '"':
            return {2, 4};
        case '#':
            return {3, 4};
        case '$':
            return {4, 4};
        case '%':
            return {3, 8};
        case '&':
            return {6, 8};
        case '\'':
            return {9, 8};
        case '(':
            return {12, 8};
        default:
            return {};
    }
}

}  // namespace sorvel
