#include "edit/markplacement.h"

#include "model/musicmark.h"
#include "model/note.h"

namespace sorvel {

void AttachMark(TMusicMark& mark, TNote& note, EightSize eight) {
    mark.SetPosX(note.PosX() - eight.width * mark.AttachRateX() / 100);
    mark.SetPosY(note.PosY() - eight.height * mark.AttachRateY() / 100);
    note.Link(mark);
    mark.Link(note);
}

}  // namespace sorvel
