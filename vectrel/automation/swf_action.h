#pragma once

#include <optional>

#include "platform/com_object.h"
#include "platform/dispatch_impl.h"
#include "vectrel/authoring/action_item.h"
#include "vectrel/automation/iswf_action.h"

namespace vectrel {

// The swfAction class: holds one ActionItem.
class SwfAction final : public platform::ComObject<platform::DispatchImpl<IswfAction>> {
 public:
  explicit SwfAction(platform::IUnknown* outer);
  ~SwfAction() override;

  HRESULT MakeActionStop() override;
  HRESULT MakeActionPlay() override;
  HRESULT MakeActionGotoFrame(std::int32_t frame) override;
  HRESULT MakeActionGotoURL(BSTR url) override;
  HRESULT MakeActionGotoURLTarget(BSTR url, BSTR target) override;

  // Nothing until a Make call (action kind 0).
  const std::optional<ActionItem>& action() const { return action_; }

  // The SwfAction behind an interface pointer, or null when it has no
  // IswfAction of ours.
  static SwfAction* From(platform::IUnknown* unknown);

 private:
  void* FindInterface(const platform::IID& iid) override;
  const platform::DispatchTable<IswfAction>& DispatchDescription() const override;

  std::optional<ActionItem> action_;
};

}  // namespace vectrel
