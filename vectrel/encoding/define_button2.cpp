#include "vectrel/encoding/define_button2.h"

#include <stdexcept>

namespace vectrel {

void DefineButton2Record::AddButtonRecord(std::unique_ptr<ButtonRecord> record) {
  if (!record) throw std::invalid_argument("null button record");
  records_.push_back(std::move(record));
}

void DefineButton2Record::AddCondAction(std::unique_ptr<ButtonCondAction> action) {
  if (!action) throw std::invalid_argument("null condition action");
  cond_actions_.push_back(std::move(action));
}

void DefineButton2Record::Write(OutputBuffer& file) {
  if (cond_actions_.empty()) throw std::logic_error("DefineButton2 without condition actions");
  OutputBuffer body;
  body.WriteU16(CharacterId());
  body.WriteU8(track_as_menu_ ? 1 : 0);
  OutputBuffer records;
  for (const auto& record : records_) record->Write(records);
  records.WriteU8(0);  // end of characters
  body.WriteU16(records.Length() + 2);
  body.Append(records);
  for (std::size_t i = 0; i < cond_actions_.size(); ++i) {
    cond_actions_[i]->Write(body, i + 1 == cond_actions_.size());
  }
  WriteTagHeader(file, kTagDefineButton2, body.Length(), &body);
}

}  // namespace vectrel
