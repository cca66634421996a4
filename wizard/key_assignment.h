// The records of the key assignment table (kept in the wizard state): what
// each of the seven launch keys does, for the whole run. The Customize Keys
// page loads and edits it, the label print job and the Summary page read its
// names, the Save pass writes it.
#pragma once

#include <windows.h>

constexpr int kKeyCount = 7;
constexpr int kFieldSize = MAX_PATH;  // every text and command field, in bytes

// ActionType codes as the store keeps them.
constexpr int kActionDefault = 0;   // no command of the user's: the key's default function
constexpr int kActionCommand = 1;   // the command is text
constexpr int kActionShellItem = 6; // the command is an identifier list

// One key. The pending choice is filled by the choosers and consumed by
// Apply; the current assignment is what the wizard shows and writes; the saved
// assignment mirrors the store. Commands hold text, or identifier-list bytes
// when their length is above 0. All zero at start.
struct KeyAssignment {
    BYTE pendingCommand[kFieldSize];
    char pendingParameter[kFieldSize];
    int pendingLength;
    int currentType;
    int pendingType;
    char savedName[kFieldSize];
    BYTE savedCommand[kFieldSize];
    char savedParameter[kFieldSize];
    char currentName[kFieldSize];
    BYTE currentCommand[kFieldSize];
    char currentParameter[kFieldSize];
    int currentLength;
    int savedLength;
    // Set by Apply: only a record the user changed is written back, so that
    // an untouched one keeps every stored value as it is, type and bytes.
    bool applied;
};

// The name a key goes by for the label and the Summary: its current name,
// else its saved name (empty when both are).
const char* ShownKeyName(const KeyAssignment& key);
