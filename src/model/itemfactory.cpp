// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/itemfactory.h"

#include "model/daon.h"
#include "model/horizbar.h"
#include "model/note.h"
#include "model/tempo.h"
#include "model/textbox.h"

namespace sorvel {

TMusicItem* CreateItemByClassName(std::string_view name, TMusicSheet& page) {
    if (name == "TNote") return CreateItem<TNote>(page);
    if (name == "TBarLine") return CreateItem<TBarLine>(page);
    if (name == "TBeat") return CreateItem<TBeat>(page);
    if (name == "THorizBar") return CreateItem<THorizBar>(page);
    if (name == "TMusicSign") return CreateItem<TMusicSign>(page);
    if (name == "TCresc") return CreateItem<TCresc>(page);
    if (name == "TSlur") return CreateItem<TSlur>(page);
    if (name == "TRenTon") return CreateItem<TRenTon>(page);
    if (name == "TKakko") return CreateItem<TKakko>(page);
    if (name == "T3ren") return CreateItem<T3ren>(page);
    if (name == "TDaonLeft") return CreateItem<TDaonLeft>(page);
    if (name == "TDaonRight") return CreateItem<TDaonRight>(page);
    if (name == "TTextBox") return CreateItem<TTextBox>(page);
    if (name == "TTempo") return CreateItem<TTempo>(page);
    return nullptr;
}

}  // namespace sorvel
