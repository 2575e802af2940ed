// SPDX-License-Identifier: GPL-3.0-or-later
#include "playback/conversion/playselection.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "model/note.h"

namespace sorvel {
namespace {

std::string SortKey(const TNote& note) {
    char key[48];
    std::snprintf(key, sizeof key, "%.4d:%.4d:%.4d", note.OwnerPageNo(), note.PosY(), note.PosX());
    return key;
}

}  // namespace

PlaySelection SelectPlayRange(const std::vector<TMusicItem*>& selected) {
    std::vector<std::pair<std::string, TNote*>> notes;
    for (TMusicItem* item : selected) {
        if (TNote* note = item ? item->As<TNote>() : nullptr)
            notes.emplace_back(SortKey(*note), note);
    }
    std::stable_sort(notes.begin(), notes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    PlaySelection selection;
    if (!notes.empty()) selection.first = notes.front().second;
    if (notes.size() >= 2) selection.last = notes.back().second;
    return selection;
}

}  // namespace sorvel
