#pragma once

// The transfer progress dialog.
#define IDD_HTTP_DOWNLOAD 301
#define IDC_DOWNLOAD_PROGRESS 1122
