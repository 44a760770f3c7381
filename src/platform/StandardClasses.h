// Registers the standard controls with the form reader so that stored forms create them by name.
#pragma once

namespace znp {

// Safe to call any number of times.
void RegisterStandardClasses();

}  // namespace znp
