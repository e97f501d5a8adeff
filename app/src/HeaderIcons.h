// The small symbols shown in header cells instead of text.
#pragma once

#include <QIcon>

namespace chanforge::app {

enum class HeaderImage {
    TV,
    Radio,
    CAS,
    Locked,
    Skipped,
    Tuner,
    Satellite,
    Transponder,
    Mux,
    Cable
};

QIcon HeaderIcon(HeaderImage image);

} // namespace chanforge::app
