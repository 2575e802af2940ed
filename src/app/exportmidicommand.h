#pragma once
#include <string>

namespace sorvel {

struct BatchCommand;
struct BatchContext;
struct OfflinePlayResult;
class TMusicSheet;

// --export-midi: the play of the piece holding the page, as a Standard MIDI File.
bool RunExportMidi(const BatchCommand& cmd, std::string& error);

// Shared with --render-wav: the page the command names, or nullptr with `error` set.
TMusicSheet* CommandPage(const BatchContext& context, const BatchCommand& cmd, std::string& error);
// A play that went ahead despite a problem of the score, or that had to be
// given up; false for the latter, with `error` set. Warnings go to stderr.
bool CheckPlayResult(const OfflinePlayResult& result, std::string& error);

}  // namespace sorvel
