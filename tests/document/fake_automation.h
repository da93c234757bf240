#pragma once

// Stand-ins for the writer's swfMovie, swfObject and swfAction: they answer
// every name and record each call, with its arguments as the writer would
// receive them (reals rounded halves to even, strings as UTF-8, objects by
// the label of the fake), into one shared log.
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cinelume/document/global_unit.h"
#include "platform/com_object.h"
#include "platform/dispatch.h"
#include "platform/utf.h"

namespace documenttest {

struct CallLog {
  std::vector<std::string> calls;
  std::map<const void*, std::string> labels;
  // A call name (e.g. "Movie.WriteMovie") that fails with E_FAIL.
  std::string fail_on;

  // Only the calls whose text starts with `prefix`.
  std::vector<std::string> With(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.rfind(prefix, 0) == 0) out.push_back(c);
    }
    return out;
  }
};

class FakeDispatch : public platform::ComObject<platform::IDispatch> {
 public:
  FakeDispatch(std::shared_ptr<CallLog> log, std::string label) : log_(std::move(log)), label_(std::move(label)) {
    log_->labels[static_cast<platform::IDispatch*>(this)] = label_;
    log_->labels[static_cast<platform::IUnknown*>(this)] = label_;
  }

  platform::HRESULT GetTypeInfoCount(platform::UINT* count) override {
    *count = 0;
    return platform::S_OK;
  }
  platform::HRESULT GetTypeInfo(platform::UINT, platform::LCID, platform::ITypeInfo**) override {
    return platform::E_NOTIMPL;
  }
  platform::HRESULT GetIDsOfNames(const platform::IID&, platform::OLECHAR** names, platform::UINT count,
                                  platform::LCID, platform::DISPID* ids) override {
    for (platform::UINT i = 0; i < count; ++i) {
      const std::string name = platform::Utf16ToUtf8(std::u16string(names[i]));
      auto it = ids_.find(name);
      if (it == ids_.end()) {
        it = ids_.emplace(name, static_cast<platform::DISPID>(ids_.size() + 1)).first;
        names_.push_back(name);
      }
      ids[i] = it->second;
    }
    return platform::S_OK;
  }
  platform::HRESULT Invoke(platform::DISPID id, const platform::IID&, platform::LCID, platform::WORD,
                           platform::DISPPARAMS* params, platform::VARIANT*, platform::EXCEPINFO*,
                           platform::UINT*) override {
    std::string text = label_ + "." + names_.at(static_cast<std::size_t>(id - 1)) + "(";
    for (platform::UINT i = 0; i < params->cArgs; ++i) {
      if (i > 0) text += ",";
      text += Format(params->rgvarg[params->cArgs - 1 - i]);
    }
    text += ")";
    log_->calls.push_back(text);
    const std::string call = text.substr(0, text.find('('));
    return call == log_->fail_on ? platform::E_FAIL : platform::S_OK;
  }

 protected:
  void* FindInterface(const platform::IID& iid) override {
    if (iid == platform::IID_IDispatch) return static_cast<platform::IDispatch*>(this);
    return nullptr;
  }

 private:
  std::string Format(const platform::VARIANT& v) const {
    using namespace platform;
    switch (v.vt) {
      case VT_I4: return std::to_string(v.lVal);
      case VT_I2: return std::to_string(v.iVal);
      case VT_UI1: return std::to_string(v.bVal);
      case VT_R8: {
        const double r = std::nearbyint(v.dblVal);
        return std::to_string(static_cast<long long>(r));
      }
      case VT_BSTR: return Utf16ToUtf8(std::u16string(v.bstrVal ? v.bstrVal : u""));
      case VT_DISPATCH:
      case VT_UNKNOWN: {
        auto it = log_->labels.find(static_cast<const void*>(v.punkVal));
        return it == log_->labels.end() ? "?" : it->second;
      }
      default: return "vt" + std::to_string(v.vt);
    }
  }

  std::shared_ptr<CallLog> log_;
  std::string label_;
  std::map<std::string, platform::DISPID> ids_;
  std::vector<std::string> names_;
};

// Puts the four fakes into `globals` and returns their log.
inline std::shared_ptr<CallLog> InstallFakes(cinelume::TGlobalVars& globals) {
  auto log = std::make_shared<CallLog>();
  globals.MovieObj = platform::MakeObject<FakeDispatch>(log, "Movie");
  globals.PictureObj = platform::MakeObject<FakeDispatch>(log, "Picture");
  globals.TextObj = platform::MakeObject<FakeDispatch>(log, "Text");
  globals.ActionObj = platform::MakeObject<FakeDispatch>(log, "Action");
  return log;
}

}  // namespace documenttest
