#include "vectrel/automation/swf_action.h"

#include "platform/guarded_call.h"
#include "platform/server_module.h"
#include "vectrel/automation/ansi_text.h"
#include "vectrel/automation/vectrel_ids.h"

namespace vectrel {

using platform::CallGuarded;

SwfAction::SwfAction(platform::IUnknown* outer) : ComObject(outer) { platform::ServerModule::ObjectCreated(); }
SwfAction::~SwfAction() { platform::ServerModule::ObjectDestroyed(); }

void* SwfAction::FindInterface(const platform::IID& iid) {
  if (iid == IID_IswfAction || iid == platform::IID_IDispatch) return static_cast<IswfAction*>(this);
  return nullptr;
}

SwfAction* SwfAction::From(platform::IUnknown* unknown) {
  if (unknown == nullptr) return nullptr;
  platform::ComPtr<platform::IUnknown> held(unknown);
  platform::ComPtr<IswfAction> action;
  if (platform::FAILED(held.As(IID_IswfAction, &action))) return nullptr;
  return dynamic_cast<SwfAction*>(action.Get());
}

HRESULT SwfAction::MakeActionStop() {
  return CallGuarded([&] {
    action_ = ActionItem::Stop();
    return platform::S_OK;
  });
}

HRESULT SwfAction::MakeActionPlay() {
  return CallGuarded([&] {
    action_ = ActionItem::Play();
    return platform::S_OK;
  });
}

HRESULT SwfAction::MakeActionGotoFrame(std::int32_t frame) {
  return CallGuarded([&] {
    action_ = ActionItem::GotoFrame(frame);
    return platform::S_OK;
  });
}

HRESULT SwfAction::MakeActionGotoURL(BSTR url) {
  return CallGuarded([&] {
    action_ = ActionItem::GotoUrl(AnsiText(url));
    return platform::S_OK;
  });
}

HRESULT SwfAction::MakeActionGotoURLTarget(BSTR url, BSTR target) {
  return CallGuarded([&] {
    action_ = ActionItem::GotoUrlTarget(AnsiText(url), AnsiText(target));
    return platform::S_OK;
  });
}

const platform::DispatchTable<IswfAction>& SwfAction::DispatchDescription() const {
  static const auto table = platform::DispatchTable<IswfAction>("IswfAction")
                                .Method(1, "MakeActionStop", &IswfAction::MakeActionStop)
                                .Method(2, "MakeActionPlay", &IswfAction::MakeActionPlay)
                                .Method(3, "MakeActionGotoFrame", &IswfAction::MakeActionGotoFrame, {"frame"})
                                .Method(4, "MakeActionGotoURL", &IswfAction::MakeActionGotoURL, {"url"})
                                .Method(5, "MakeActionGotoURLTarget", &IswfAction::MakeActionGotoURLTarget,
                                        {"url", "target"});
  return table;
}

}  // namespace vectrel
