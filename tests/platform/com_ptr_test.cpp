#include <gtest/gtest.h>

#include "platform/com_object.h"
#include "platform/com_ptr.h"
#include "platform/dispatch.h"
#include "platform/server_module.h"

namespace platform {
namespace {

class Counted final : public ComObject<IUnknown> {
 public:
  ~Counted() override { ++destroyed; }
  ULONG Count() {
    AddRef();
    return Release();
  }
  static inline int destroyed = 0;

 private:
  void* FindInterface(const IID&) override { return nullptr; }
};

TEST(ComPtr, CountsReferencesSoCallersNeverDo) {
  const long objects = ServerModule::ObjectCount();
  Counted::destroyed = 0;
  {
    ComPtr<Counted> a = MakeObject<Counted>();
    EXPECT_EQ(ServerModule::ObjectCount(), objects + 1);
    EXPECT_EQ(a->Count(), 1u);
    ComPtr<Counted> b = a;
    EXPECT_EQ(a->Count(), 2u);
    ComPtr<Counted> c = std::move(b);
    EXPECT_FALSE(b);
    EXPECT_EQ(a->Count(), 2u);
    c = nullptr;
    EXPECT_EQ(a->Count(), 1u);
    Counted* raw = a.Detach();
    EXPECT_FALSE(a);
    ComPtr<Counted> d = ComPtr<Counted>::Attach(raw);
    EXPECT_EQ(d->Count(), 1u);

    ComPtr<IUnknown> identity;
    ASSERT_EQ(d.As(IID_IUnknown, &identity), S_OK);
    EXPECT_EQ(identity.Get(), d->NonDelegatingUnknown());
    ComPtr<IDispatch> none;
    EXPECT_EQ(d.As(IID_IDispatch, &none), E_NOINTERFACE);
    EXPECT_FALSE(none);
    identity.Reset();
    EXPECT_EQ(Counted::destroyed, 0);
  }
  EXPECT_EQ(Counted::destroyed, 1);
  EXPECT_EQ(ServerModule::ObjectCount(), objects);
  ComPtr<IDispatch> empty;
  ComPtr<IUnknown> out;
  EXPECT_EQ(empty.As(IID_IUnknown, &out), E_POINTER);
}

TEST(ServerModule, CanUnloadOnlyWithoutObjectsAndLocks) {
  ASSERT_EQ(ServerModule::CanUnloadNow(), S_OK);
  ServerModule::Lock();
  EXPECT_EQ(ServerModule::CanUnloadNow(), S_FALSE);
  ServerModule::Unlock();
  ServerModule::Unlock();  // unbalanced: stays at zero
  EXPECT_EQ(ServerModule::LockCount(), 0);
  {
    ComPtr<Counted> object = MakeObject<Counted>();
    EXPECT_EQ(ServerModule::CanUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(ServerModule::CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace platform
