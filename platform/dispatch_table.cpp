#include "platform/dispatch_table.h"

#include <exception>
#include <new>

#include "platform/utf.h"
#include "platform/variant_coercion.h"

namespace platform {
namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// `wanted` is null-terminated and comes from the caller: stop at its end.
bool NameMatches(const std::string& name, const OLECHAR* wanted) {
  std::size_t i = 0;
  for (; i < name.size(); ++i) {
    if (wanted[i] == 0 || Lower(wanted[i]) != Lower(static_cast<char16_t>(static_cast<unsigned char>(name[i])))) {
      return false;
    }
  }
  return wanted[i] == 0;
}

bool NameMatches(const std::string& name, std::u16string_view wanted) {
  if (name.size() != wanted.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (Lower(wanted[i]) != Lower(static_cast<char16_t>(static_cast<unsigned char>(name[i])))) return false;
  }
  return true;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(static_cast<unsigned char>(a[i])) != Lower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool IsMissingMarker(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND; }

// The coerced arguments of one call, cleared however the call ends.
class CoercedArguments {
 public:
  explicit CoercedArguments(std::size_t n) : values_(n) {}
  ~CoercedArguments() {
    for (VARIANT& v : values_) VariantClear(&v);
  }
  CoercedArguments(const CoercedArguments&) = delete;
  CoercedArguments& operator=(const CoercedArguments&) = delete;
  VARIANT* Data() { return values_.data(); }
  VARIANT& operator[](std::size_t i) { return values_[i]; }

 private:
  std::vector<VARIANT> values_;
};

void SetArgErr(UINT* puArgErr, UINT index) {
  if (puArgErr != nullptr) *puArgErr = index;
}

}  // namespace

DispatchParam Optional(const char* name) {
  DispatchParam p(name);
  p.optional = true;
  return p;
}

DispatchParam Optional(const char* name, Variant defaultValue) {
  DispatchParam p(name);
  p.optional = true;
  p.defaultValue = std::move(defaultValue);
  return p;
}

const DispatchMember* DispatchTableBase::Find(DISPID id, MemberKind kind) const {
  for (const DispatchMember& m : members_) {
    if (m.id == id && m.kind == kind) return &m;
  }
  return nullptr;
}

const DispatchMember* DispatchTableBase::FindByName(std::u16string_view name) const {
  const DispatchMember* best = nullptr;
  for (const DispatchMember& m : members_) {
    if (!NameMatches(m.name, name)) continue;
    if (best == nullptr || static_cast<int>(m.kind) < static_cast<int>(best->kind)) best = &m;
  }
  return best;
}

void DispatchTableBase::Add(DispatchMember member) {
  bool optionalSeen = false;
  for (const DispatchParam& p : member.params) {
    if (p.optional) optionalSeen = true;
    if (optionalSeen && !p.optional && !(member.kind == MemberKind::kPropertyPut && &p == &member.params.back())) {
      throw std::logic_error(member.name + ": a required parameter follows an optional one");
    }
  }
  if (member.kind == MemberKind::kPropertyGet && member.resultType == VT_EMPTY) {
    throw std::logic_error(member.name + ": a property get needs an [out, retval] parameter");
  }
  if (member.kind == MemberKind::kPropertyPut && (member.params.empty() || member.resultType != VT_EMPTY)) {
    throw std::logic_error(member.name + ": a property put takes a value and returns none");
  }
  for (const DispatchMember& m : members_) {
    if (m.id == member.id && m.kind == member.kind) {
      throw std::logic_error(member.name + ": DISPID used twice");
    }
    if ((m.id == member.id) != SameName(m.name, member.name)) {
      throw std::logic_error(member.name + ": one name, one DISPID");
    }
  }
  members_.push_back(std::move(member));
}

HRESULT DispatchTableBase::GetIDsOfNames(const IID& riid, OLECHAR** rgszNames, UINT cNames, DISPID* rgDispId) const {
  if (!(riid == IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (cNames == 0 || rgszNames == nullptr || rgDispId == nullptr) return E_INVALIDARG;
  for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;

  const DispatchMember* member = nullptr;
  if (rgszNames[0] != nullptr) {
    for (int kind = 0; kind < 3 && member == nullptr; ++kind) {
      for (const DispatchMember& m : members_) {
        if (static_cast<int>(m.kind) == kind && NameMatches(m.name, rgszNames[0])) {
          member = &m;
          break;
        }
      }
    }
  }
  if (member == nullptr) return DISP_E_UNKNOWNNAME;
  rgDispId[0] = member->id;

  HRESULT hr = S_OK;
  for (UINT i = 1; i < cNames; ++i) {
    if (rgszNames[i] != nullptr) {
      for (std::size_t p = 0; p < member->params.size(); ++p) {
        const std::string& name = member->params[p].name;
        if (!name.empty() && NameMatches(name, rgszNames[i])) {
          rgDispId[i] = static_cast<DISPID>(p);
          break;
        }
      }
    }
    if (rgDispId[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

HRESULT DispatchTableBase::Invoke(void* self, DISPID dispIdMember, const IID& riid, WORD wFlags,
                                  DISPPARAMS* pDispParams, VARIANT* pVarResult, EXCEPINFO* pExcepInfo,
                                  UINT* puArgErr) const {
  if (!(riid == IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (pDispParams == nullptr) return E_INVALIDARG;
  const DISPPARAMS& dp = *pDispParams;
  if (dp.cNamedArgs > dp.cArgs || (dp.cArgs > 0 && dp.rgvarg == nullptr) ||
      (dp.cNamedArgs > 0 && dp.rgdispidNamedArgs == nullptr)) {
    return E_INVALIDARG;
  }
  if (pVarResult != nullptr) VariantInit(pVarResult);

  const DispatchMember* member = nullptr;
  if ((wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0) {
    member = Find(dispIdMember, MemberKind::kPropertyPut);
  } else {
    if ((wFlags & DISPATCH_METHOD) != 0) member = Find(dispIdMember, MemberKind::kMethod);
    if (member == nullptr && (wFlags & DISPATCH_PROPERTYGET) != 0) {
      member = Find(dispIdMember, MemberKind::kPropertyGet);
    }
  }
  if (member == nullptr) return DISP_E_MEMBERNOTFOUND;

  const bool put = member->kind == MemberKind::kPropertyPut;
  const std::size_t total = member->params.size();
  const std::size_t indexed = put ? total - 1 : total;
  if (put) {
    // The value travels as the named DISPID_PROPERTYPUT argument, nothing else.
    bool valueGiven = false;
    for (UINT n = 0; n < dp.cNamedArgs; ++n) valueGiven = valueGiven || dp.rgdispidNamedArgs[n] == DISPID_PROPERTYPUT;
    if (!valueGiven) return DISP_E_PARAMNOTOPTIONAL;
  }
  const UINT positional = dp.cArgs - dp.cNamedArgs;
  if (positional > indexed) return DISP_E_BADPARAMCOUNT;

  // Which rgvarg entry feeds each parameter (-1: none).
  constexpr long kNone = -1;
  std::vector<long> source(total, kNone);
  for (UINT p = 0; p < positional; ++p) source[p] = static_cast<long>(dp.cArgs - 1 - p);
  for (UINT n = 0; n < dp.cNamedArgs; ++n) {
    const DISPID named = dp.rgdispidNamedArgs[n];
    std::size_t slot;
    if (put && named == DISPID_PROPERTYPUT) {
      slot = total - 1;
    } else if (named >= 0 && static_cast<std::size_t>(named) < indexed) {
      slot = static_cast<std::size_t>(named);
    } else {
      SetArgErr(puArgErr, n);
      return DISP_E_PARAMNOTFOUND;
    }
    if (source[slot] != kNone) {
      SetArgErr(puArgErr, n);
      return DISP_E_PARAMNOTFOUND;
    }
    source[slot] = static_cast<long>(n);
  }

  // Count and presence first, coercion after, as the platform reports them.
  for (std::size_t i = 0; i < total; ++i) {
    if (member->params[i].optional) continue;
    if (source[i] == kNone) return DISP_E_BADPARAMCOUNT;
    if (IsMissingMarker(dp.rgvarg[source[i]])) {
      SetArgErr(puArgErr, static_cast<UINT>(source[i]));
      return DISP_E_PARAMNOTOPTIONAL;
    }
  }

  CoercedArguments args(total);
  for (std::size_t i = 0; i < total; ++i) {
    const DispatchParam& param = member->params[i];
    const VARIANT* given = source[i] == kNone ? nullptr : &dp.rgvarg[source[i]];
    if (given == nullptr || IsMissingMarker(*given)) {
      if (param.defaultValue) {
        const HRESULT hr = VariantChangeType(&args[i], &*param.defaultValue, 0, param.type);
        if (FAILED(hr)) return hr;
      } else if (param.type == VT_VARIANT) {
        args[i].vt = VT_ERROR;
        args[i].scode = DISP_E_PARAMNOTFOUND;
      } else {
        const VARIANT empty{};
        const HRESULT hr = VariantChangeType(&args[i], &empty, 0, param.type);
        if (FAILED(hr)) return hr;
      }
      continue;
    }
    const HRESULT hr = VariantChangeType(&args[i], given, 0, param.type);
    if (FAILED(hr)) {
      SetArgErr(puArgErr, static_cast<UINT>(source[i]));
      return hr;
    }
  }

  Variant result;
  HRESULT hr;
  try {
    hr = member->call(self, args.Data(), &result);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    if (pExcepInfo != nullptr) {
      *pExcepInfo = EXCEPINFO{};
      pExcepInfo->scode = E_FAIL;
      pExcepInfo->bstrSource = SysAllocString(Utf8ToUtf16(interfaceName_));
      pExcepInfo->bstrDescription = SysAllocString(Utf8ToUtf16(e.what()));
    }
    return DISP_E_EXCEPTION;
  } catch (...) {
    if (pExcepInfo != nullptr) {
      *pExcepInfo = EXCEPINFO{};
      pExcepInfo->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
  }
  if (SUCCEEDED(hr) && pVarResult != nullptr) *pVarResult = result.Detach();
  return hr;
}

void ClearExcepInfo(EXCEPINFO& info) {
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  info = EXCEPINFO{};
}

}  // namespace platform
