// Where the picker keeps its settings: its own section of the host's
// settings store, and the host-wide keys it only reads. Before start-up
// (no host) every read gives its default and writes are dropped.
#pragma once

#include "plexa/jx_GUID.h"

// {F4A55FD1-ED46-498A-9906-ED1E254B238F}
inline constexpr jx_GUID kPickerSettingsSection = {
    0xF4A55FD1, 0xED46, 0x498A, {0x99, 0x06, 0xED, 0x1E, 0x25, 0x4B, 0x23, 0x8F}};

int ReadPickerInt(const char* key, int defaultValue);
void WritePickerInt(const char* key, int value);
float ReadPickerFloat(const char* key, float defaultValue);
void WritePickerFloat(const char* key, float value);
// A host-wide key ("2d\GridMode"), read with no section.
int ReadHostWideInt(const char* key, int defaultValue);
