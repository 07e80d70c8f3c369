#include "formats/other/hc/step_pipeline.h"

#include "fields/field_ids.h"

namespace tavrix {

void stepPipelineInit(StepPipeline* pipeline, FieldRecord* record, const ParserHandle* handle) {
  *pipeline = StepPipeline{};
  pipeline->record = record;
  pipeline->handle = handle;
  pipeline->run = stepPipelineRun;
}

int32_t stepPipelineRun(StepPipeline* pipeline, const char* text, int32_t length) {
  TrackSet tracks{};
  if (pipeline->splitTracks != nullptr) {
    const int32_t rc = pipeline->splitTracks(pipeline, text, length, &tracks);
    if (rc != VTX_OK) return rc;
  }
  if (pipeline->checkTracks != nullptr) {
    const int32_t rc = pipeline->checkTracks(pipeline, &tracks);
    if (rc != VTX_OK) return rc;
  }
  if (pipeline->parseTrack1 != nullptr) pipeline->parseTrack1(pipeline, tracks.track1);
  if (pipeline->parseTrack2 != nullptr) pipeline->parseTrack2(pipeline, tracks.track2);
  if (pipeline->parseTrack3 != nullptr) pipeline->parseTrack3(pipeline, tracks.track3);
  // A text that yields nothing is not turned into a card by its type alone.
  if (recordFieldStatus(pipeline->record, field::documentType) != VTX_OK &&
      recordFilledCount(pipeline->record) > 0) {
    recordSetFieldStr(pipeline->record, field::documentType, "HC");
  }
  return VTX_OK;
}

void stepPipelineCallSteps(StepPipeline* pipeline, Span track, const int32_t* numbers, int32_t count) {
  for (int32_t i = 0; i < count; ++i) {
    const int32_t n = numbers[i];
    if (n >= 1 && n <= kFieldStepCount && pipeline->steps[n - 1] != nullptr) pipeline->steps[n - 1](pipeline, track);
  }
}

}  // namespace tavrix
