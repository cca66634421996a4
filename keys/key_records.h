// The operations on the key assignment table: reading the seven records from
// the store, resetting them, applying a pending choice and writing one key
// back in the Save pass; and the helpers the choosers fill a pending choice with.
#pragma once

#include "key_assignment.h"
#include "settings_sink.h"

#include <string>

namespace keys {

// Key k's default name in the user's language, from the string table.
std::string DefaultName(int k);

// Reads all seven records from the store into the wizard state's table.
void Load();
// Clears every record and gives each key its default name.
void ResetAll();
// Moves the selected key's pending choice into its current assignment, with
// label as its name. Nothing happens while no key is selected.
void ApplyPending(const char* label);
// Writes key k's current assignment when it was applied in this run; with
// resetFlag its subkey is first deleted, so that only the keys assigned since
// the reset keep a record. An untouched record stays as stored.
void SaveKey(int k, bool resetFlag, SettingsSink& sink);

// The pending choice emptied: no command, no parameter, type 0.
void ClearPending(KeyAssignment& key);
// A text command (a path, an address, a link target) with its arguments.
void SetPendingText(KeyAssignment& key, const char* command, const char* parameter = "");
// An identifier list of size bytes (terminator included). A list longer than
// the field is refused, since a cut list would name another item or none.
void SetPendingIdList(KeyAssignment& key, const BYTE* idList, int size);

// The assignment caption: the name for a default function or a shell item,
// else the command and its arguments.
std::string AssignmentCaption(const KeyAssignment& key);

// Copies text into a field, cut at 259 bytes and never inside a double-byte
// character, so that the field always ends in a whole character and its zero.
void CopyText(char (&field)[kFieldSize], const char* text);

}  // namespace keys
