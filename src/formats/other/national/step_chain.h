// A parser made of steps: each step reads what it needs from the start of
// the remaining text, stores it and names the step that follows. A step
// that does not find what it needs names none, and the chain ends there
// with what was stored so far.
#pragma once

#include <cstdint>

#include "engine/record.h"
#include "engine/span.h"

namespace tavrix {

struct StepState {
  FieldRecord* record = nullptr;
  Span text;  // the whole decoded text
  Span rest;  // what the steps have not read yet
};

struct StepResult;
using Step = StepResult (*)(StepState* state);

struct StepResult {
  Step next = nullptr;  // null: the chain ends
  int32_t status = 0;
};

// Runs `first` and every step it leads to while the status is 0; returns
// the last status.
int32_t runStepChain(Step first, StepState* state);

// Shorthands for a step's answer.
inline StepResult goOn(Step next) { return StepResult{.next = next}; }
inline StepResult stop() { return StepResult{}; }

}  // namespace tavrix
