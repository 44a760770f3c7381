// Registers the kit's classes and the base form's stored form for the form reader.
#pragma once

namespace znp {

void RegisterKitClasses();

}  // namespace znp
