#include "vectrel/automation/swf_movie.h"

#include "platform/codepage.h"
#include "platform/guarded_call.h"
#include "platform/safearray.h"
#include "platform/server_module.h"
#include "vectrel/automation/ansi_text.h"
#include "vectrel/automation/swf_action.h"
#include "vectrel/automation/swf_object.h"
#include "vectrel/automation/vectrel_ids.h"

namespace vectrel {

using platform::CallGuarded;
using platform::E_INVALIDARG;
using platform::E_POINTER;
using platform::S_OK;

namespace {

// A movie the file format cannot hold is refused; a file that cannot be
// created is not reported, as callers of the original expect.
HRESULT WriteResult(WriteStatus status) {
  switch (status) {
    case WriteStatus::kWritten:
    case WriteStatus::kCannotWrite:
      return S_OK;
    case WriteStatus::kTooManyFrames:
    case WriteStatus::kTooManyPlacements:
    case WriteStatus::kTooManyCharacters:
      return platform::E_FAIL;
  }
  return platform::E_FAIL;
}

// VT_ARRAY|VT_UI1 with the bytes, or VT_EMPTY when there are none.
HRESULT StoreBytes(const std::optional<std::vector<std::uint8_t>>& bytes, VARIANT* out) {
  platform::VariantInit(out);
  if (!bytes) return S_OK;
  platform::SAFEARRAY* array = platform::MakeByteArray(*bytes);
  if (array == nullptr) return platform::E_OUTOFMEMORY;
  out->vt = platform::VT_ARRAY | platform::VT_UI1;
  out->parray = array;
  return S_OK;
}

}  // namespace

SwfMovie::SwfMovie(platform::IUnknown* outer) : ComObject(outer) { platform::ServerModule::ObjectCreated(); }
SwfMovie::~SwfMovie() { platform::ServerModule::ObjectDestroyed(); }

void* SwfMovie::FindInterface(const platform::IID& iid) {
  if (iid == IID_IswfMovie || iid == platform::IID_IDispatch) return static_cast<IswfMovie*>(this);
  return nullptr;
}

HRESULT SwfMovie::WriteMovie(BSTR fname) {
  return CallGuarded([&] { return WriteResult(movie_.Write(AnsiPath(fname))); });
}

HRESULT SwfMovie::SetSize(std::int32_t cx, std::int32_t cy) {
  movie_.SetSize(cx, cy);
  return S_OK;
}

HRESULT SwfMovie::SetFrameRate(std::int32_t framerate) {
  movie_.SetFrameRate(framerate);
  return S_OK;
}

HRESULT SwfMovie::get_filename(BSTR* pVal) {
  if (pVal == nullptr) return E_POINTER;
  return CallGuarded([&] {
    *pVal = platform::SysAllocString(platform::AnsiToWide(movie_.temp_movie_name()));
    return *pVal == nullptr ? platform::E_OUTOFMEMORY : S_OK;
  });
}

HRESULT SwfMovie::put_filename(BSTR) { return S_OK; }

HRESULT SwfMovie::AddObject(IUnknown* pUnk) {
  return CallGuarded([&]() -> HRESULT {
    SwfObject* object = SwfObject::From(pUnk);
    if (object == nullptr) return E_POINTER;
    if (object->type_code() > 0 && object->internal() != nullptr) movie_.CurrentFrame().AddObject(*object->internal());
    return S_OK;
  });
}

HRESULT SwfMovie::RemoveObject(IUnknown* pUnk) {
  return CallGuarded([&]() -> HRESULT {
    SwfObject* object = SwfObject::From(pUnk);
    if (object == nullptr) return E_POINTER;
    if (object->type_code() > 0 && object->internal() != nullptr)
      movie_.CurrentFrame().RemoveObject(*object->internal());
    return S_OK;
  });
}

HRESULT SwfMovie::AddAction(IUnknown* pUnk) {
  return CallGuarded([&]() -> HRESULT {
    const SwfAction* action = SwfAction::From(pUnk);
    if (action == nullptr) return E_POINTER;
    if (action->action()) movie_.CurrentFrame().AddAction(*action->action());
    return S_OK;
  });
}

HRESULT SwfMovie::GotoFrame(std::int32_t index) {
  if (index < 0) return E_INVALIDARG;
  movie_.GotoFrame(index);
  return S_OK;
}

HRESULT SwfMovie::SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return CallGuarded([&] {
    movie_.CurrentFrame().AddBackgroundColor(red, green, blue);
    return S_OK;
  });
}

HRESULT SwfMovie::MakeMovie() {
  return CallGuarded([&]() -> HRESULT {
    const auto status = movie_.MakeMovie();
    if (!status) return E_POINTER;
    return WriteResult(*status);
  });
}

HRESULT SwfMovie::SetTempDir(BSTR tempDir) {
  return CallGuarded([&] {
    movie_.SetTempDir(AnsiPath(tempDir));
    return S_OK;
  });
}

HRESULT SwfMovie::get_Content(VARIANT* pVal) {
  if (pVal == nullptr) return E_POINTER;
  return CallGuarded([&] { return StoreBytes(movie_.Content(), pVal); });
}

HRESULT SwfMovie::DeleteTempFile() {
  movie_.DeleteTempFile();
  return S_OK;
}

HRESULT SwfMovie::ReadFileContent(BSTR fname, VARIANT* pVal) {
  if (pVal == nullptr) return E_POINTER;
  return CallGuarded([&] { return StoreBytes(MovieModel::ReadFileContent(AnsiPath(fname)), pVal); });
}

const platform::DispatchTable<IswfMovie>& SwfMovie::DispatchDescription() const {
  using I = IswfMovie;
  static const auto table = platform::DispatchTable<I>("IswfMovie")
                                .Method(1, "WriteMovie", &I::WriteMovie, {"fname"})
                                .Method(2, "SetSize", &I::SetSize, {"cx", "cy"})
                                .Method(3, "SetFrameRate", &I::SetFrameRate, {"framerate"})
                                .PropGet(5, "filename", &I::get_filename)
                                .PropPut(5, "filename", &I::put_filename)
                                .Method(6, "AddObject", &I::AddObject, {"pUnk"})
                                .Method(7, "GotoFrame", &I::GotoFrame, {"index"})
                                .Method(8, "SetFrameBkColor", &I::SetFrameBkColor, {"red", "green", "blue"})
                                .Method(9, "RemoveObject", &I::RemoveObject, {"pUnk"})
                                .Method(10, "AddAction", &I::AddAction, {"pUnk"})
                                .Method(11, "MakeMovie", &I::MakeMovie)
                                .Method(12, "SetTempDir", &I::SetTempDir, {"tempDir"})
                                .PropGet(13, "Content", &I::get_Content)
                                .Method(14, "DeleteTempFile", &I::DeleteTempFile)
                                .Method(15, "ReadFileContent", &I::ReadFileContent, {"fname"});
  return table;
}

}  // namespace vectrel
