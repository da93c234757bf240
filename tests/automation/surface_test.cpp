// The automation surface: identities, dispatch, coercion, lifetime, registration.
#include <dlfcn.h>

#include <regex>

#include "authoring/movie_reader.h"
#include "platform/dispatch_client.h"
#include "platform/registry.h"
#include "platform/variant.h"
#include "server_fixture.h"

namespace automationtest {
namespace {

using platform::ComPtr;
using platform::IDispatch;
using platform::Variant;

class SurfaceTest : public ServerTest {};

TEST_F(SurfaceTest, ObjectTypeFollowsMakeAndDelete) {
  const auto r = Run(R"(
Set o = CreateObject("Vectrel.swfObject")
Print o.ObjectType
o.ObjectType = 3310
Print o.ObjectType
o.MakeCircle 100, 100, 50
Print o.ObjectType
o.Delete
Print o.ObjectType
)");
  EXPECT_EQ(r.out, "0\n0\n3320\n0\n");
}

TEST_F(SurfaceTest, TypeCodesOfEveryMake) {
  const auto r = Run(R"(
Set o = CreateObject("Vectrel.swfObject")
Set f = CreateObject("Vectrel.swfObject")
o.MakeRectangle 0, 0, 10, 10
Print o.ObjectType
o.MakePolygon 0, 0
Print o.ObjectType
o.MakeOval 0, 0, 10, 10
Print o.ObjectType
o.MakeEditText 0, 0, 10, 10, "x"
Print o.ObjectType
f.MakeFont "Sans"
Print f.ObjectType
o.MakeText "x", f
Print o.ObjectType
o.MakeTextSimple "Liberation Sans", "x", 0, 0, 200
Print o.ObjectType
)");
  EXPECT_EQ(r.out, "3310\n3330\n3340\n3380\n1200\n3350\n3351\n");
}

TEST_F(SurfaceTest, FilenameIsTestUntilAMovieIsMade) {
  const auto r = Run("Set m = CreateObject(\"Vectrel.swfMovie\")\nPrint m.filename\nm.SetTempDir \"" + dir_.string() +
                     "/\"\nm.MakeMovie\nPrint m.filename\nm.filename = \"other.swf\"\nPrint m.filename\n");
  std::istringstream lines(r.out);
  std::string first, second, third;
  std::getline(lines, first);
  std::getline(lines, second);
  std::getline(lines, third);
  EXPECT_EQ(first, "test.swf");
  EXPECT_TRUE(std::regex_match(second, std::regex("[0-9A-F]{1,4}\\.swf"))) << second;
  EXPECT_EQ(third, second);
  EXPECT_TRUE(std::filesystem::exists(dir_ / second));
}

TEST_F(SurfaceTest, ArgumentsWithoutTheExpectedInterface) {
  const auto r = Run(R"(
Set m = CreateObject("Vectrel.swfMovie")
Set a = CreateObject("Vectrel.swfAction")
Set o = CreateObject("Vectrel.swfObject")
Try m.AddObject a
Try m.RemoveObject a
Try m.AddAction o
Try m.AddObject o
Try o.MakeButton o, o, o, a
Try o.MakeText "x", a
Try o.QueueEvent a, 1
)");
  EXPECT_EQ(r.out,
            "HRESULT 0x80004003\nHRESULT 0x80004003\nHRESULT 0x80004003\n"  // E_POINTER three times
            "HRESULT 0x80004003\nHRESULT 0x80004003\nHRESULT 0x80070057\n");  // unmade AddObject is S_OK
}

TEST_F(SurfaceTest, RejectedArguments) {
  const auto r = Run(R"(
Set m = CreateObject("Vectrel.swfMovie")
Set o = CreateObject("Vectrel.swfObject")
Set f = CreateObject("Vectrel.swfObject")
Try m.GotoFrame -1
f.MakeRectangle 0, 0, 1, 1
Try o.MakeText "x", f
Try f.AddGlyph "Sans", "x", 65
Try o.SetSolidFill 300, 0, 0, 0
Try o.SetSolidFill "x", 0, 0, 0
Try o.SetSolidFill 1, 2, 3
Try o.NoSuchMethod
)");
  EXPECT_EQ(r.out,
            "HRESULT 0x80070057\nHRESULT 0x80070057\nHRESULT 0x80070057\n"
            "HRESULT 0x8002000A\nHRESULT 0x80020005\nHRESULT 0x8002000E\nHRESULT 0x80020006\n");
}

TEST_F(SurfaceTest, RealsAreRoundedHalfToEven) {
  Run("Set m = CreateObject(\"Vectrel.swfMovie\")\nm.SetFrameRate 10.5\nm.WriteMovie \"" + Path("a.swf") +
      "\"\nm.SetFrameRate 11.5\nm.WriteMovie \"" + Path("b.swf") + "\"\nm.SetFrameRate \"13\"\nm.WriteMovie \"" +
      Path("c.swf") + "\"\n");
  EXPECT_EQ(Movie("a.swf").frame_rate, 10);
  EXPECT_EQ(Movie("b.swf").frame_rate, 12);
  EXPECT_EQ(Movie("c.swf").frame_rate, 13);
}

TEST_F(SurfaceTest, LineColorAIsLineColor) {
  Run("Set m = CreateObject(\"Vectrel.swfMovie\")\nSet a = CreateObject(\"Vectrel.swfObject\")\n"
      "Set b = CreateObject(\"Vectrel.swfObject\")\na.MakeRectangle 0, 0, 10, 10\nb.MakeRectangle 0, 0, 10, 10\n"
      "a.SetLineColorA 1, 2, 3, 4\nb.SetLineColor 1, 2, 3, 4\nm.AddObject a\nm.AddObject b\nm.WriteMovie \"" +
      Path("l.swf") + "\"\n");
  const auto shapes = Movie("l.swf").TagsWithCode(32);
  ASSERT_EQ(shapes.size(), 2u);
  // Same body but for the character id.
  EXPECT_EQ(std::vector<std::uint8_t>(shapes[0].body.begin() + 2, shapes[0].body.end()),
            std::vector<std::uint8_t>(shapes[1].body.begin() + 2, shapes[1].body.end()));
}

TEST_F(SurfaceTest, UnusedDispatchIdsAreUnknownMembers) {
  for (const char* progid : {"Vectrel.swfMovie", "Vectrel.swfObject"}) {
    ComPtr<IDispatch> object;
    ASSERT_EQ(platform::CreateObject(std::string_view(progid), &object), platform::S_OK);
    const platform::DISPID unused = std::string_view(progid) == "Vectrel.swfMovie" ? 4 : 19;
    Variant result;
    EXPECT_EQ(platform::DispatchInvoke(object.Get(), unused, platform::DISPATCH_METHOD, {}, &result),
              platform::DISP_E_MEMBERNOTFOUND)
        << progid;
  }
}

TEST_F(SurfaceTest, NamesMatchWithoutRegardToCase) {
  const auto r = Run(R"(
Set o = CreateObject("VECTREL.SWFOBJECT.1")
o.makecircle 1, 2, 3
Print o.OBJECTTYPE
)");
  EXPECT_EQ(r.out, "3320\n");
}

TEST_F(SurfaceTest, ContentOfAMissingFileIsEmpty) {
  const auto r = Run("Set m = CreateObject(\"Vectrel.swfMovie\")\nPrint m.ReadFileContent(\"" + Path("none") +
                     "\")\nm.SetTempDir \"" + Path("nowhere/") + "\"\nPrint m.Content\n");
  EXPECT_EQ(r.out, "\n\n");
}

TEST_F(SurfaceTest, ServerUnloadsOnlyWhenEverythingIsReleased) {
  void* module = dlopen(VECTREL_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr);
  auto get_class = reinterpret_cast<platform::DllGetClassObjectFunction>(dlsym(module, platform::kDllGetClassObject));
  auto can_unload = reinterpret_cast<platform::DllCanUnloadNowFunction>(dlsym(module, platform::kDllCanUnloadNow));
  ASSERT_TRUE(get_class && can_unload);
  EXPECT_EQ(can_unload(), platform::S_OK);
  {
    ComPtr<platform::IClassFactory> factory;
    const auto clsid = platform::ParseGuid("{0DD7739D-686B-11D4-B367-D4475FDFF33A}");
    ASSERT_EQ(get_class(*clsid, platform::IID_IClassFactory, factory.PutVoid()), platform::S_OK);
    ComPtr<IDispatch> object;
    ASSERT_EQ(factory->CreateInstance(nullptr, platform::IID_IDispatch, object.PutVoid()), platform::S_OK);
    factory.Reset();
    EXPECT_EQ(can_unload(), platform::S_FALSE);
    // Aggregation asks for IUnknown only.
    ComPtr<IDispatch> refused;
    ComPtr<platform::IClassFactory> again;
    ASSERT_EQ(get_class(*clsid, platform::IID_IClassFactory, again.PutVoid()), platform::S_OK);
    EXPECT_EQ(again->CreateInstance(object.Get(), platform::IID_IDispatch, refused.PutVoid()),
              platform::CLASS_E_NOAGGREGATION);
    const auto other = platform::ParseGuid("{0DD77300-686B-11D4-B367-D4475FDFF33A}");
    void* none = nullptr;
    EXPECT_EQ(get_class(*other, platform::IID_IClassFactory, &none), platform::CLASS_E_CLASSNOTAVAILABLE);
  }
  EXPECT_EQ(can_unload(), platform::S_OK);
  dlclose(module);
}

TEST(Registration, UnregisterRemovesTheKeysButNotTheClsidRoot) {
  using platform::RegistryHive;
  using platform::RegistryKey;
  ASSERT_EQ(CallModuleEntry(platform::kDllRegisterServer), platform::S_OK);
  const auto server = RegistryKey::Open(RegistryHive::kClassesRoot,
                                        "CLSID\\{0DD77391-686B-11D4-B367-D4475FDFF33A}\\InprocServer32");
  ASSERT_TRUE(server);
  EXPECT_EQ(server->String(""), std::filesystem::path(VECTREL_MODULE).string());
  EXPECT_EQ(server->String("ThreadingModel"), "Apartment");
  EXPECT_EQ(RegistryKey::Open(RegistryHive::kClassesRoot, "Vectrel.swfAction\\CurVer")->String(""),
            "Vectrel.swfAction.1");
  EXPECT_EQ(RegistryKey::Open(RegistryHive::kClassesRoot, "Vectrel.swfObject.1")->String(""), "swfObject Class");

  ASSERT_EQ(CallModuleEntry(platform::kDllUnregisterServer), platform::S_OK);
  for (const char* key : {"Vectrel.swfMovie", "Vectrel.swfMovie.1", "Vectrel.swfObject", "Vectrel.swfAction.1",
                          "CLSID\\{0DD77391-686B-11D4-B367-D4475FDFF33A}"})
    EXPECT_FALSE(RegistryKey::Open(RegistryHive::kClassesRoot, key)) << key;
  EXPECT_TRUE(RegistryKey::Open(RegistryHive::kClassesRoot, "CLSID"));
  ComPtr<IDispatch> object;
  EXPECT_TRUE(platform::FAILED(platform::CreateObject(std::string_view("Vectrel.swfMovie"), &object)));
  EXPECT_FALSE(object);
  const auto r = RunScript("Set m = CreateObject(\"Vectrel.swfMovie\")\n");
  EXPECT_EQ(r.status, vectrel::ScriptHost::kCallFailed);
  EXPECT_NE(r.err.find("line 1: HRESULT 0x"), std::string::npos) << r.err;
  ASSERT_EQ(CallModuleEntry(platform::kDllRegisterServer), platform::S_OK);  // for the suites after this one
}

}  // namespace
}  // namespace automationtest
