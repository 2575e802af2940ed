// SPDX-License-Identifier: GPL-3.0-or-later
// Editing speed of the document: moving a selection, the timing pass, and
// walking the undo history.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "model/itemfactory.h"
#include "model/musicsheet.h"
#include "model/note.h"
#include "model/timing.h"
#include "model/workspace.h"

namespace sorvel {
namespace {

struct Fixture : Workspace {
    Fixture() : page(NewBook().GetSheet(0)) {}
    // A page of `count` items in rows of 36 slots, a bar line every 9th slot.
    void Fill(int count) {
        for (int i = 0; i < count; ++i) {
            int slot = i % 36, row = i / 36;
            TMusicItem* item = slot % 9 == 8 ? static_cast<TMusicItem*>(CreateItem<TBarLine>(*page))
                                             : CreateItem<TNote>(*page);
            item->SetContent(slot % 9 == 8 ? "c" : std::string(1, static_cast<char>('1' + i % 7)));
            item->SetPosX(40 + slot * 25);
            item->SetPosY(243 + row * 146);
        }
    }
    TMusicSheet* page;
};

// Dragging a selection of 100 items one row down and back, as one undo step.
void BM_Move100SelectedOf2000(benchmark::State& state) {
    Fixture f;
    f.Fill(2000);
    std::vector<TMusicItem*> selection;
    for (int i = 0; i < 2000; i += 20) selection.push_back(f.page->GetItem(i));
    int dy = 146;
    for (auto _ : state) {
        f.undo.BeginGroup();
        for (TMusicItem* item : selection) {
            item->SetPosY(item->PosY() + dy);
            item->SetPosX(item->PosX() + 25);
        }
        f.undo.EndGroup();
        dy = -dy;
    }
}
BENCHMARK(BM_Move100SelectedOf2000)->Unit(benchmark::kMillisecond);

void BM_TimingPass2000(benchmark::State& state) {
    Fixture f;
    f.Fill(2000);
    for (auto _ : state) {
        ComputeTiming(*f.page);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TimingPass2000)->Unit(benchmark::kMicrosecond);

// 1,000 recorded steps, then undo and redo each of those the ring keeps.
void BM_Undo1000Steps(benchmark::State& state) {
    Fixture f;
    f.Fill(200);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            TMusicItem* item = f.page->GetItem(i % 200);
            f.undo.BeginGroup();
            item->SetPosX(item->PosX() + (i % 2 ? 25 : -25));
            f.undo.EndGroup();
        }
        while (f.undo.CanUndo()) f.undo.Undo();
        while (f.undo.CanRedo()) f.undo.Redo();
    }
}
BENCHMARK(BM_Undo1000Steps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sorvel
