#pragma once

#include <atomic>
#include <new>
#include <utility>

#include "platform/com_ptr.h"
#include "platform/unknown.h"

namespace platform {

// Reference counting and QueryInterface for objects that implement
// interfaces, with aggregation: an aggregated object forwards AddRef, Release
// and QueryInterface of its interfaces to the outer object and keeps its own
// count on the inner, non-delegating IUnknown that the outer object holds.
// Objects are made with MakeObject or CreateAggregatable and destroy
// themselves on the last Release; this is the one place that uses new/delete.
class ComObjectRoot {
 public:
  ComObjectRoot(const ComObjectRoot&) = delete;
  ComObjectRoot& operator=(const ComObjectRoot&) = delete;

  // The object's identity when it stands alone; what the outer object holds
  // when aggregated.
  IUnknown* NonDelegatingUnknown() { return &inner_; }
  // The controlling unknown, or null when not aggregated.
  IUnknown* Outer() const { return outer_; }

 protected:
  explicit ComObjectRoot(IUnknown* outer = nullptr);
  virtual ~ComObjectRoot();

  // The interface pointer for `iid` (not AddRef'd), or null. IUnknown is
  // answered before this is asked.
  virtual void* FindInterface(const IID& iid) = 0;

  // What the interfaces' own QueryInterface, AddRef and Release do.
  HRESULT DelegatingQueryInterface(const IID& iid, void** out);
  ULONG DelegatingAddRef();
  ULONG DelegatingRelease();

 private:
  class Inner final : public IUnknown {
   public:
    explicit Inner(ComObjectRoot& owner) : owner_(owner) {}
    HRESULT QueryInterface(const IID& iid, void** out) override;
    ULONG AddRef() override;
    ULONG Release() override;

   private:
    ComObjectRoot& owner_;
  };

  Inner inner_{*this};
  std::atomic<ULONG> refs_{0};
  IUnknown* outer_;
};

// Base of an implementation: ComObject<IswfMovieImpl> answers the three
// IUnknown methods of every interface it derives from.
template <class... Interfaces>
class ComObject : public ComObjectRoot, public Interfaces... {
 public:
  HRESULT QueryInterface(const IID& iid, void** out) override { return DelegatingQueryInterface(iid, out); }
  ULONG AddRef() override { return DelegatingAddRef(); }
  ULONG Release() override { return DelegatingRelease(); }

 protected:
  explicit ComObject(IUnknown* outer = nullptr) : ComObjectRoot(outer) {}
};

// A new stand-alone object, held by the returned pointer. T's constructor
// takes `args` (T passes no outer unknown to ComObject).
template <class T, class... Args>
ComPtr<T> MakeObject(Args&&... args) {
  return ComPtr<T>(new T(std::forward<Args>(args)...));
}

// What a class factory's CreateInstance does for class T, whose constructor
// takes the outer unknown (null when not aggregated) and then `args`.
// Aggregated, only IUnknown may be asked for (CLASS_E_NOAGGREGATION else).
template <class T, class... Args>
HRESULT CreateAggregatable(IUnknown* outer, const IID& iid, void** out, Args&&... args) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (outer != nullptr && !(iid == IID_IUnknown)) return CLASS_E_NOAGGREGATION;
  T* object;
  try {
    object = new T(outer, std::forward<Args>(args)...);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  IUnknown* inner = object->NonDelegatingUnknown();
  inner->AddRef();
  const HRESULT hr = inner->QueryInterface(iid, out);
  inner->Release();  // destroys the object when the query failed
  return hr;
}

}  // namespace platform
