// The upload dialog behind an explorer-style request.
#pragma once
#include <windows.h>
#include <commdlg.h>

class CSettingsStore;

BOOL RunUploadFlow(OPENFILENAMEW* request, CSettingsStore* store);
