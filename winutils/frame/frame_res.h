#pragma once

// Help topics, as string resources so callers may pass MAKEINTRESOURCE ids.
#define IDS_HELP_PHOTO_PROCESSING 100
#define IDS_HELP_LANGMAN 101
