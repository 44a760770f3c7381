// The library's start-up: the unit initialisations, then the main block. GetController runs it
// once, on the host's first call.
#pragma once

namespace znp {

// Sets DLLControllerClass (the controller unit's initialisation), registers the classes that
// stored forms create, then sets frmBaseGeneClass to the report's form (the main block).
// Idempotent.
void StartLibrary();

}  // namespace znp
