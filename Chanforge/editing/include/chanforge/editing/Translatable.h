// Marks a text of the GUI-free libraries for the translation catalogue: the text itself is
// used here; the window translates it under context when it shows it.
#pragma once

#define CF_TR_NOOP(context, text) text
