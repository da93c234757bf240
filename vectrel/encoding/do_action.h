#pragma once

#include <memory>
#include <vector>

#include "vectrel/encoding/action_records.h"
#include "vectrel/encoding/tag_record.h"

namespace vectrel {

// DoAction (tag 12): actions run when the frame is reached.
class DoActionRecord final : public TagRecord {
 public:
  // Returns the new number of actions.
  int AppendAction(std::unique_ptr<ActionRecord> action);
  void Write(OutputBuffer& file) override;

 private:
  std::vector<std::unique_ptr<ActionRecord>> actions_;
};

}  // namespace vectrel
