// Registers the compiled-in resources (icons, translations, help texts).
// The program is linked from a static library, whose resource initialisers
// the linker would otherwise drop; call this once before the first resource
// is used.
#pragma once

void initOrdovanResources();
