// Marks a text of the libraries below the window for the translation catalogue: the text is
// used here; the window translates it under context when it shows it.
#pragma once

#define CF_TR_NOOP(context, text) text
