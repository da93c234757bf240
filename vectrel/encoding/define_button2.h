#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/button_cond_action.h"
#include "vectrel/encoding/button_record.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DefineButton2 (tag 34): state characters and condition actions. A button
// needs at least one condition action; writing one without is a programming
// error and throws std::logic_error.
class DefineButton2Record final : public CharacterRecord {
 public:
  explicit DefineButton2Record(bool track_as_menu) : track_as_menu_(track_as_menu) {}

  void AddButtonRecord(std::unique_ptr<ButtonRecord> record);
  void AddCondAction(std::unique_ptr<ButtonCondAction> action);

  void Write(OutputBuffer& file) override;

 private:
  bool track_as_menu_;
  std::vector<std::unique_ptr<ButtonRecord>> records_;
  std::vector<std::unique_ptr<ButtonCondAction>> cond_actions_;
};

}  // namespace vectrel
