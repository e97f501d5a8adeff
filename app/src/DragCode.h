// What a drag carries and a drop reports: the kind of list or grid it started from or ended on.
#pragma once

namespace chanforge::app {

enum DragCode : int {
    kDragNone = 0, ///< a list that neither starts drags nor takes drops
    kDragSatellite = 1,
    kDragMux = 2,
    kDragTransponder = 4,
    kDragProvider = 5,
    kDragFavorite = 6,
    kDragGenre = 7,
    kDragTV = 8,
    kDragRadio = 9,
};

} // namespace chanforge::app
