// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/renderwavcommand.h"

#include <cstdlib>

#include "app/batchcontext.h"
#include "app/commandline.h"
#include "app/playresult.h"
#include "playback/fluidsynthout.h"
#include "playback/offline/offlineplay.h"
#include "playback/offline/wavrenderer.h"

namespace sorvel {
namespace {

std::string ChosenSoundFont() {
    const char* chosen = std::getenv("SORVEL_SOUNDFONT");
    return chosen && *chosen ? std::string(chosen) : DefaultSoundFont();
}

}  // namespace

bool RunRenderWav(const BatchCommand& cmd, UserText& error) {
    BatchContext context;
    if (!context.Load(cmd.input, error)) return false;
    TMusicSheet* page = context.Page(cmd.page, error);
    if (!page) return false;

    const std::string soundFont = ChosenSoundFont();
    if (soundFont.empty()) {
        error = SORVEL_TEXT("sorvel::app",
                            "General MIDI の SoundFont がインストールされていません"
                            "（fluid-soundfont-gm または timgm6mb-soundfont）。");
        return false;
    }
    SilenceSynthesizerLog();
    std::unique_ptr<WavRenderer> renderer = WavRenderer::Create(soundFont);
    if (!renderer) {
        error =
            AboutFile(soundFont, SORVEL_TEXT("sorvel::app", "SoundFont を読み込めませんでした。"));
        return false;
    }
    OfflinePlay play(*page, context.prefs,
                     {.metronome = cmd.metronome, .expressive = cmd.expressive});
    if (!CheckPlayResult(play.Run(*renderer), error)) return false;
    renderer->RenderSilence(WavRenderer::kTailMillis);
    return BatchContext::WriteOutput(cmd.output, renderer->FileBytes(), error);
}

}  // namespace sorvel
