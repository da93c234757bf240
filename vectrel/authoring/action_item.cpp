#include "vectrel/authoring/action_item.h"


namespace vectrel {

ActionItem::ActionItem(ActionKind kind, int frame, std::string url, std::string target)
    : kind_(kind), frame_(frame), url_(std::move(url)), target_(std::move(target)) {
  if (url_.size() > kMaxStringBytes) url_.resize(kMaxStringBytes);
  if (target_.size() > kMaxStringBytes) target_.resize(kMaxStringBytes);
}

std::unique_ptr<ActionRecord> ActionItem::MakeRecord() const {
  switch (kind_) {
    case ActionKind::kStop:
      return std::make_unique<StopActionRecord>();
    case ActionKind::kPlay:
      return std::make_unique<PlayActionRecord>();
    case ActionKind::kGotoFrame:
      return std::make_unique<GotoFrameActionRecord>(static_cast<std::uint16_t>(frame_));
    case ActionKind::kGotoUrl:
      return std::make_unique<GetUrlActionRecord>(url_, std::string());
    case ActionKind::kGotoUrlTarget:
      return std::make_unique<GetUrlActionRecord>(url_, target_);
    case ActionKind::kNone:
      break;
  }
  return nullptr;
}

}  // namespace vectrel
