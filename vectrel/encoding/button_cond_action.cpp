#include "vectrel/encoding/button_cond_action.h"

#include <stdexcept>

namespace vectrel {

void ButtonCondAction::SetCondition(int event) {
  if (event < 1 || event > 9) return;
  conditions_ |= static_cast<std::uint16_t>(1u << (9 - event));
}

void ButtonCondAction::AppendAction(std::unique_ptr<ActionRecord> action) {
  if (!action) throw std::invalid_argument("null action");
  actions_.push_back(std::move(action));
}

void ButtonCondAction::Write(OutputBuffer& buffer, bool last) const {
  if (last) {
    buffer.WriteU16(0);
    buffer.WriteU16(conditions_);
    for (const auto& action : actions_) action->Write(buffer);
    buffer.Align();
    buffer.WriteU8(0);
    return;
  }
  OutputBuffer own;
  own.WriteU16(conditions_);
  for (const auto& action : actions_) action->Write(own);
  own.WriteU8(0);
  buffer.WriteU16(own.Length() + 2);
  buffer.Append(own);
}

}  // namespace vectrel
