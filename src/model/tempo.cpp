// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/tempo.h"

namespace sorvel {

const PropertyTable& TTempo::Properties() const {
    using T = TTempo;
    static const PropertyTable table(
        &TMusicItem::Properties(), {IntProperty<T, &T::Tempo, &T::SetTempo>("Tempo"),
                                    IntProperty<T, &T::TempoUnit, &T::SetTempoUnit>("TempoUnit"),
                                    IntProperty<T, &T::PrintMode, &T::SetPrintMode>("PrintMode")});
    return table;
}

}  // namespace sorvel
