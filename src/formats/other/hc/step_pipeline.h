// A small relative of the stripe parser for the "HC" card texts: split the
// text into tracks, check them, then run each track's step, which calls up
// to seven numbered field steps. Every slot starts empty except `run`.
#pragma once

#include <cstdint>

#include "engine/parser_handle.h"
#include "engine/record.h"
#include "formats/stripe/stripe_parser.h"

namespace tavrix {

struct StepPipeline;

using StepRunOp = int32_t (*)(StepPipeline* pipeline, const char* text, int32_t length);
using StepSplitOp = int32_t (*)(StepPipeline* pipeline, const char* text, int32_t length, TrackSet* tracks);
using StepCheckOp = int32_t (*)(StepPipeline* pipeline, TrackSet* tracks);
using StepTrackOp = void (*)(StepPipeline* pipeline, Span track);

inline constexpr int32_t kFieldStepCount = 7;

struct StepPipeline {
  FieldRecord* record = nullptr;
  const ParserHandle* handle = nullptr;
  StepRunOp run = nullptr;
  StepSplitOp splitTracks = nullptr;
  StepCheckOp checkTracks = nullptr;
  StepTrackOp parseTrack1 = nullptr;
  StepTrackOp parseTrack2 = nullptr;
  StepTrackOp parseTrack3 = nullptr;
  StepTrackOp steps[kFieldStepCount] = {};  // field steps 1 to 7
};

// Stores record and handle, puts stepPipelineRun into `run`, empties the rest.
void stepPipelineInit(StepPipeline* pipeline, FieldRecord* record, const ParserHandle* handle);
// Split and check (a non-zero result is returned), the three track steps,
// then the document type "HC" when something was read.
int32_t stepPipelineRun(StepPipeline* pipeline, const char* text, int32_t length);
// Calls the field steps with the given numbers (1 to 7) on the track.
void stepPipelineCallSteps(StepPipeline* pipeline, Span track, const int32_t* numbers, int32_t count);

}  // namespace tavrix
