#pragma once

#include "platform/com_object.h"
#include "platform/dispatch_impl.h"
#include "vectrel/authoring/movie_model.h"
#include "vectrel/automation/iswf_movie.h"

namespace vectrel {

// The swfMovie class: one MovieModel.
class SwfMovie final : public platform::ComObject<platform::DispatchImpl<IswfMovie>> {
 public:
  explicit SwfMovie(platform::IUnknown* outer);
  ~SwfMovie() override;

  HRESULT WriteMovie(BSTR fname) override;
  HRESULT SetSize(std::int32_t cx, std::int32_t cy) override;
  HRESULT SetFrameRate(std::int32_t framerate) override;
  HRESULT get_filename(BSTR* pVal) override;
  HRESULT put_filename(BSTR newVal) override;
  HRESULT AddObject(IUnknown* pUnk) override;
  HRESULT GotoFrame(std::int32_t index) override;
  HRESULT SetFrameBkColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override;
  HRESULT RemoveObject(IUnknown* pUnk) override;
  HRESULT AddAction(IUnknown* pUnk) override;
  HRESULT MakeMovie() override;
  HRESULT SetTempDir(BSTR tempDir) override;
  HRESULT get_Content(VARIANT* pVal) override;
  HRESULT DeleteTempFile() override;
  HRESULT ReadFileContent(BSTR fname, VARIANT* pVal) override;

 private:
  void* FindInterface(const platform::IID& iid) override;
  const platform::DispatchTable<IswfMovie>& DispatchDescription() const override;

  MovieModel movie_;
};

}  // namespace vectrel
