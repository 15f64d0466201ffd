// The upload dialogs: 106 publishes the scanned machine, 1220 the assembly configuration. Both are
// modal with no owner window, so the main window stays usable; the article and the road of the
// upload are the portable upload unit's.
#pragma once

#include <windows.h>

// Dialog 106, from the summary page's "上传本机配置" or, with autoPromptUpload set, from timer 1. The
// summary page's upload and rescan buttons are greyed while it is open: no second dialog, and no
// scan rewriting the texts the upload reads.
void RunUploadMachineDialog();

// Whether the prompt after a scan (timer 1) may open now: no scan runs, no upload dialog is open,
// and the configuration has not been uploaded, nor the prompt declined, since the scan's update
// check started the timer.
bool UploadPromptAvailable();

// Dialog 1220, from the assembly page's "上传配置", greyed while the dialog is open.
void RunUploadAssemblyDialog();
