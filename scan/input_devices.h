// The registry steps for keyboards and mice, which write their own summary rows: PS/2 devices of
// the ACPI bus and USB devices of the hidusb service.
#pragma once

void ScanPs2KeyboardsAndMice();
void ScanUsbKeyboardsAndMice();
