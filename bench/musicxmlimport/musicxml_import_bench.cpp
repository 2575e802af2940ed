// SPDX-License-Identifier: GPL-3.0-or-later
// Importing MusicXML: the reader alone and reader plus book layout, for a
// generated 2,000-note melody with marks and for the largest real sample.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "interchange/bookbuilder.h"
#include "interchange/musicxmlreader.h"
#include "model/musicbook.h"
#include "model/workspace.h"

namespace {

using namespace sorvel;
using namespace sorvel::interchange;

// 500 bars of 4/4 in G major: eighths, quarters, a tie, slurs, bowings,
// fingers and a dynamic now and then.
std::string GeneratedScore(int notes) {
    static const char* kSteps = "GABCDEF";
    std::ostringstream xml;
    xml << R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="4.0"><work><work-title>Bench</work-title></work>
<part-list><score-part id="P1"><part-name>Erhu</part-name></score-part></part-list><part id="P1">)";
    int written = 0, bar = 0;
    while (written < notes) {
        xml << "<measure number=\"" << ++bar << "\">";
        if (bar == 1)
            xml << "<attributes><divisions>2</divisions><key><fifths>1</fifths></key>"
                   "<time><beats>4</beats><beat-type>4</beat-type></time></attributes>";
        for (int i = 0; i < 4 && written < notes; ++i, ++written) {
            const char step = kSteps[(written * 3) % 7];
            const bool eighth = i == 1 || i == 2;
            xml << "<note><pitch><step>" << step << "</step>"
                << (step == 'F' ? "<alter>1</alter>" : "") << "<octave>" << 4 + written % 2
                << "</octave></pitch><duration>" << (eighth ? 1 : 2)
                << "</duration><voice>1</voice><type>" << (eighth ? "eighth" : "quarter")
                << "</type>"
                << "<notations><technical>" << (i % 2 ? "<up-bow/>" : "<down-bow/>")
                << "<fingering>" << i + 1 << "</fingering></technical>"
                << (i == 1 ? "<slur type=\"start\"/>" : "")
                << (i == 2 ? "<slur type=\"stop\"/>" : "") << "</notations></note>";
        }
        xml << "<note><rest/><duration>2</duration><voice>1</voice><type>quarter</type></note></"
               "measure>";
    }
    xml << "</part></score-partwise>";
    return xml.str();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Import(benchmark::State& state, const std::string& bytes, bool layout) {
    Workspace ws;
    for (auto _ : state) {
        MusicXmlReadResult read = ReadMusicXmlBytes(bytes);
        if (!read.ok) {
            state.SkipWithError(read.message.Japanese().c_str());
            return;
        }
        if (layout) {
            BuiltBook built = BuildBook(read.score, ws.env, "bench");
            benchmark::DoNotOptimize(built.book->SheetCount());
        }
        benchmark::DoNotOptimize(read.score.measures.size());
    }
}

void BM_Read2000Notes(benchmark::State& state) {
    Import(state, GeneratedScore(2000), false);
}
void BM_Import2000Notes(benchmark::State& state) {
    Import(state, GeneratedScore(2000), true);
}
void BM_ImportLargestSample(benchmark::State& state) {
    Import(state, ReadAll(SORVEL_MUSICXML_SAMPLES "/CharlesGounod_Meditation.xml"), true);
}

BENCHMARK(BM_Read2000Notes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import2000Notes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportLargestSample)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
