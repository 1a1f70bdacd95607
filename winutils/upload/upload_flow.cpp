#include <windows.h>
#include <commdlg.h>

#include "upload/upload_flow.h"

BOOL RunUploadFlow(OPENFILENAMEW* request, CSettingsStore*) { return GetOpenFileNameW(request); }
