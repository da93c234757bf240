#include "vectrel/encoding/do_action.h"

#include <stdexcept>

namespace vectrel {

int DoActionRecord::AppendAction(std::unique_ptr<ActionRecord> action) {
  if (!action) throw std::invalid_argument("null action");
  actions_.push_back(std::move(action));
  return static_cast<int>(actions_.size());
}

void DoActionRecord::Write(OutputBuffer& file) {
  OutputBuffer body;
  for (const auto& action : actions_) action->Write(body);
  body.WriteU8(0);  // end of actions
  WriteTagHeader(file, kTagDoAction, body.Length(), &body);
}

}  // namespace vectrel
