// GDI+ is started by the first operation that needs it and never shut down.
#pragma once

bool EnsureGdiplus();
