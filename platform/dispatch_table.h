#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/dispatch.h"
#include "platform/dispatch_arguments.h"

namespace platform {

enum class MemberKind { kMethod, kPropertyGet, kPropertyPut };

// One parameter as the type library describes it. An optional parameter
// that the caller omits gets its default value, or the empty value coerced to
// its type (0, "", null), or for a VARIANT parameter the "missing" marker
// (VT_ERROR with DISP_E_PARAMNOTFOUND).
struct DispatchParam {
  // Implicit, so that a table lists plain names: {"cx", "cy"}.
  DispatchParam(const char* name) : name(name) {}
  std::string name;
  VARTYPE type = VT_EMPTY;
  bool optional = false;
  std::optional<Variant> defaultValue;
};

DispatchParam Optional(const char* name);
DispatchParam Optional(const char* name, Variant defaultValue);

// One entry of the type library: a method or one direction of a property.
// `params` are the [in] parameters in declaration order (for a put, the value
// last); `call` receives them coerced to their types, first first.
struct DispatchMember {
  DISPID id = 0;
  std::string name;
  MemberKind kind = MemberKind::kMethod;
  std::vector<DispatchParam> params;
  VARTYPE resultType = VT_EMPTY;  // VT_EMPTY: no [out, retval]
  std::function<HRESULT(void* self, VARIANT* args, VARIANT* result)> call;
};

// The type library data of one dispatch interface and the IDispatch
// behaviour built on it. Names match without regard to ASCII case;
// parameters are numbered from 0 as argument DISPIDs.
class DispatchTableBase {
 public:
  explicit DispatchTableBase(std::string_view interfaceName) : interfaceName_(interfaceName) {}

  const std::string& InterfaceName() const { return interfaceName_; }
  const std::vector<DispatchMember>& Members() const { return members_; }
  const DispatchMember* Find(DISPID id, MemberKind kind) const;
  // The member a name refers to (method first, then get, then put).
  const DispatchMember* FindByName(std::u16string_view name) const;

  // IDispatch::GetIDsOfNames: rgszNames[0] is a member, the rest its
  // parameters. Unknown names get DISPID_UNKNOWN and DISP_E_UNKNOWNNAME.
  HRESULT GetIDsOfNames(const IID& riid, OLECHAR** rgszNames, UINT cNames, DISPID* rgDispId) const;

  // IDispatch::Invoke on `self` (the object the members' calls expect).
  // Errors: DISP_E_MEMBERNOTFOUND (unknown DISPID, or no member of that kind:
  // a put on a read-only property), DISP_E_BADPARAMCOUNT (too many
  // positional arguments, or a required one not given), DISP_E_PARAMNOTOPTIONAL
  // (a required one given as missing; a put without its value),
  // DISP_E_PARAMNOTFOUND (a bad named argument), and DISP_E_TYPEMISMATCH or
  // DISP_E_OVERFLOW from coercion; *puArgErr then holds the rgvarg index of
  // the argument at fault. The method's own failure is returned as it is; a
  // C++ exception other than memory exhaustion gives DISP_E_EXCEPTION.
  HRESULT Invoke(void* self, DISPID dispIdMember, const IID& riid, WORD wFlags, DISPPARAMS* pDispParams,
                 VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) const;

 protected:
  // Checks the entry against those present (std::logic_error on a clash).
  void Add(DispatchMember member);

 private:
  std::string interfaceName_;
  std::vector<DispatchMember> members_;
};

// Whether the last of the parameter types is an [out, retval].
template <class... A>
struct LastIsDispatchResult : std::false_type {};
template <class A0, class... A>
struct LastIsDispatchResult<A0, A...>
    : std::bool_constant<DispatchResult<std::tuple_element_t<sizeof...(A), std::tuple<A0, A...>>>::kIsResult> {};

// Builds the table of interface T from its member functions, which are
// declared as the interface's virtual table declares them:
//   HRESULT SetSize(std::int32_t cx, std::int32_t cy);
//   HRESULT get_filename(BSTR* pVal);   // [out, retval] last
//   HRESULT put_filename(BSTR value);
// Parameter types: std::int16_t (short), std::int32_t (long), std::uint8_t
// (unsigned char), float, double, bool, BSTR, IUnknown*, IDispatch*,
// SAFEARRAY* (byte array), const VARIANT&. A last parameter that points to one
// of these (or to VARIANT) is the [out, retval].
//
//   static const DispatchTable<IswfMovie> table = DispatchTable<IswfMovie>("IswfMovie")
//       .Method(2, "SetSize", &IswfMovie::SetSize, {"cx", "cy"})
//       .PropGet(5, "filename", &IswfMovie::get_filename)
//       .PropPut(5, "filename", &IswfMovie::put_filename);
//
// The names list is empty or names every [in] parameter (for a put, all but
// the value).
template <class T>
class DispatchTable : public DispatchTableBase {
 public:
  explicit DispatchTable(std::string_view interfaceName) : DispatchTableBase(interfaceName) {}

  template <class U, class... A>
  DispatchTable& Method(DISPID id, std::string_view name, HRESULT (U::*fn)(A...),
                        std::initializer_list<DispatchParam> params = {}) {
    Add(Build(id, name, MemberKind::kMethod, fn, params));
    return *this;
  }
  template <class U, class... A>
  DispatchTable& PropGet(DISPID id, std::string_view name, HRESULT (U::*fn)(A...),
                         std::initializer_list<DispatchParam> params = {}) {
    Add(Build(id, name, MemberKind::kPropertyGet, fn, params));
    return *this;
  }
  template <class U, class... A>
  DispatchTable& PropPut(DISPID id, std::string_view name, HRESULT (U::*fn)(A...),
                         std::initializer_list<DispatchParam> params = {}) {
    Add(Build(id, name, MemberKind::kPropertyPut, fn, params));
    return *this;
  }

 private:
  template <class Tuple, std::size_t... I>
  static std::vector<VARTYPE> Types(std::index_sequence<I...>) {
    return {DispatchArgument<std::tuple_element_t<I, Tuple>>::kType...};
  }

  template <class U, class Fn, class Tuple, std::size_t... I>
  static HRESULT CallPlain(void* self, Fn fn, VARIANT* args, std::index_sequence<I...>) {
    T* object = static_cast<T*>(self);
    return (object->*fn)(DispatchArgument<std::tuple_element_t<I, Tuple>>::Get(args[I])...);
  }

  template <class U, class Fn, class Tuple, class Result, std::size_t... I>
  static HRESULT CallWithResult(void* self, Fn fn, VARIANT* args, VARIANT* out, std::index_sequence<I...>) {
    T* object = static_cast<T*>(self);
    typename Result::Storage value{};
    const HRESULT hr = (object->*fn)(DispatchArgument<std::tuple_element_t<I, Tuple>>::Get(args[I])..., &value);
    if (SUCCEEDED(hr)) Result::Store(value, out);
    return hr;
  }

  template <class U, class... A>
  static DispatchMember Build(DISPID id, std::string_view name, MemberKind kind, HRESULT (U::*fn)(A...),
                              std::initializer_list<DispatchParam> names) {
    static_assert(std::is_base_of_v<U, T>, "the method must belong to the interface");
    using Tuple = std::tuple<A...>;
    constexpr std::size_t n = sizeof...(A);
    DispatchMember member;
    member.id = id;
    member.name = std::string(name);
    member.kind = kind;
    std::vector<VARTYPE> types;
    if constexpr (LastIsDispatchResult<A...>::value) {
      using Result = DispatchResult<std::tuple_element_t<n - 1, Tuple>>;
      types = Types<Tuple>(std::make_index_sequence<n - 1>{});
      member.resultType = Result::kType;
      member.call = [fn](void* self, VARIANT* args, VARIANT* out) {
        return CallWithResult<U, decltype(fn), Tuple, Result>(self, fn, args, out, std::make_index_sequence<n - 1>{});
      };
    } else {
      types = Types<Tuple>(std::make_index_sequence<n>{});
      member.call = [fn](void* self, VARIANT* args, VARIANT*) {
        return CallPlain<U, decltype(fn), Tuple>(self, fn, args, std::make_index_sequence<n>{});
      };
    }
    const std::size_t named = kind == MemberKind::kPropertyPut && !types.empty() ? types.size() - 1 : types.size();
    if (names.size() != 0 && names.size() != named) {
      throw std::logic_error(std::string(name) + ": parameter names do not match the parameters");
    }
    for (std::size_t i = 0; i < types.size(); ++i) {
      DispatchParam param = i < names.size() ? *(names.begin() + i) : DispatchParam("");
      param.type = types[i];
      member.params.push_back(std::move(param));
    }
    return member;
  }
};

}  // namespace platform
