#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "vectrel/encoding/action_records.h"
#include "vectrel/encoding/output_buffer.h"

namespace vectrel {

// BUTTONCONDACTION: the actions a button runs on the transitions set in its
// condition bits.
class ButtonCondAction {
 public:
  ButtonCondAction() = default;
  ButtonCondAction(const ButtonCondAction&) = delete;
  ButtonCondAction& operator=(const ButtonCondAction&) = delete;

  // Events 1..9 set CondOverDownToIdle (0x0100) down to CondIdleToOverUp
  // (0x0001); other numbers set nothing.
  void SetCondition(int event);
  void AppendAction(std::unique_ptr<ActionRecord> action);

  std::uint16_t conditions() const { return conditions_; }
  std::size_t action_count() const { return actions_.size(); }

  // The size field counts the whole condition action; the last one of a
  // button has size 0 instead.
  void Write(OutputBuffer& buffer, bool last) const;

 private:
  std::uint16_t conditions_ = 0;
  std::vector<std::unique_ptr<ActionRecord>> actions_;
};

}  // namespace vectrel
