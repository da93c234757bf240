#pragma once

#include <memory>
#include <string>

#include "vectrel/encoding/action_records.h"

namespace vectrel {

enum class ActionKind : int { kNone = 0, kStop = 1, kPlay = 2, kGotoFrame = 3, kGotoUrl = 4, kGotoUrlTarget = 5 };

// The one action a swfAction holds. It hands out fresh copies of its record,
// never itself, so one action can go into many frames and buttons.
class ActionItem {
 public:
  static constexpr std::size_t kMaxStringBytes = 255;

  static ActionItem Stop() { return ActionItem(ActionKind::kStop, 0, {}, {}); }
  static ActionItem Play() { return ActionItem(ActionKind::kPlay, 0, {}, {}); }
  static ActionItem GotoFrame(int frame) { return ActionItem(ActionKind::kGotoFrame, frame, {}, {}); }
  static ActionItem GotoUrl(std::string url) { return ActionItem(ActionKind::kGotoUrl, 0, std::move(url), {}); }
  static ActionItem GotoUrlTarget(std::string url, std::string target) {
    return ActionItem(ActionKind::kGotoUrlTarget, 0, std::move(url), std::move(target));
  }

  std::unique_ptr<ActionRecord> MakeRecord() const;

  ActionKind kind() const { return kind_; }
  const std::string& url() const { return url_; }
  const std::string& target() const { return target_; }

 private:
  ActionItem(ActionKind kind, int frame, std::string url, std::string target);

  ActionKind kind_;
  int frame_;
  std::string url_;
  std::string target_;
};

}  // namespace vectrel
