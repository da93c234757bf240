#pragma once

#include <string>
#include <string_view>

#include "platform/class_factory.h"
#include "platform/com_ptr.h"
#include "platform/dispatch.h"

namespace platform {

// Creating registered objects, from the classes root of the registry store:
//   <ProgID>\CLSID                     default value: the class's GUID
//   <ProgID>\CurVer                    default value: the versioned ProgID (used
//                                      when <ProgID> has no CLSID subkey)
//   CLSID\{guid}\InprocServer32        default value: absolute path of the module
// Modules are loaded once (dlopen) and kept until FreeUnusedLibraries.
//
// Failures:
//   CO_E_CLASSSTRING       unknown or malformed ProgID
//   REGDB_E_CLASSNOTREG    the class has no usable InprocServer32 entry
//   E_MODULE_NOT_FOUND     the module cannot be loaded (or its path is relative)
//   E_PROC_NOT_FOUND       the module lacks DllGetClassObject
//   otherwise what DllGetClassObject, CreateInstance or QueryInterface return.

// ProgIDs match without regard to case.
HRESULT CLSIDFromProgID(std::u16string_view progid, CLSID* clsid);

HRESULT GetClassObject(const CLSID& clsid, const IID& iid, void** out);

// A new object of the class, asked for `iid`; `outer` aggregates it.
HRESULT CreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** out);

// What a script's CreateObject("Vectrel.swfMovie") does: ProgID to class, a
// new instance, its IDispatch.
HRESULT CreateObject(std::u16string_view progid, ComPtr<IDispatch>* out);
HRESULT CreateObject(std::string_view progid, ComPtr<IDispatch>* out);

// Unloads the loaded modules whose DllCanUnloadNow says S_OK.
void FreeUnusedLibraries();

// What went wrong in the last failed creation on this thread, for messages
// (e.g. the loader's error text); empty when nothing is known.
std::string LastCreateObjectError();

}  // namespace platform
