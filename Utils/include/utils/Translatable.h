// Marks a text of the libraries below the window for the translation catalogue: the text is
// used here; the window translates it under context when it shows it.
#pragma once

#define CF_TR_NOOP(context, text) text

/// The same for a text with %n whose words follow the count, "%n channel(s)": the window
/// picks the language's plural form for the count.
#define CF_TR_N_NOOP(context, text) text
