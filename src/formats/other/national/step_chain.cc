#include "formats/other/national/step_chain.h"

namespace tavrix {

int32_t runStepChain(Step first, StepState* state) {
  if (state == nullptr) return VTX_ERR_ARGUMENT;
  Step step = first;
  int32_t status = VTX_OK;
  while (step != nullptr) {
    const StepResult result = step(state);
    status = result.status;
    if (status != VTX_OK) break;
    step = result.next;
  }
  return status;
}

}  // namespace tavrix
