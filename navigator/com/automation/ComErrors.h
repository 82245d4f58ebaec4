// NavigatorErrors across the COM boundary: a failing member returns the
// error's Number as its HRESULT and leaves Source and Description in the
// thread's error information; a client turns them back into the record.
#pragma once

#include "hivewalk/NavigatorError.h"

#include <oaidl.h>
#include <windows.h>

namespace hivewalk::automation {

// Server side: sets the thread's IErrorInfo (with `iid` as its GUID) and
// returns the HRESULT to hand back: the error's Number.
HRESULT ReportError(const NavigatorError& error, REFIID iid);

// For late-bound callers: the same three in an EXCEPINFO. Any strings the
// EXCEPINFO held are not freed; it must be fresh.
void FillExcepInfo(const NavigatorError& error, EXCEPINFO* info);

// Client side: the error a failed call on `object` (through `iid`) carried.
// Without error information the Number is the HRESULT and the Description
// the system's text for it.
NavigatorError ErrorOfCall(HRESULT hr, IUnknown* object, REFIID iid);

// Throws ErrorOfCall(hr, ...) when hr is a failure.
void ThrowIfFailed(HRESULT hr, IUnknown* object, REFIID iid);

}  // namespace hivewalk::automation
