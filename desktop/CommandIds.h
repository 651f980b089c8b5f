#pragma once

namespace kavrin::orvale {

// Command ids of the desktop program; the established numbers of its menus and toolbar.
enum CommandId : int {
    ID_LOAD_PROGRESS = 130, // sent by the loading thread
    ID_LOAD_DONE = 131,     // posted by the loading thread

    ID_FREQ_ALL = 32780,
    ID_FREQ_MW = 32782,
    ID_FREQ_SW = 32783,
    ID_FREQ_VHF = 32784,
    ID_FREQ_FM = 32785,
    ID_FREQ_UHF = 32786,
    ID_FREQ_USER = 32787,
    ID_FREQ_LF = 32811,

    ID_MOD_ALL = 32771,
    ID_MOD_AM = 32772,
    ID_MOD_FM = 32773,
    ID_MOD_USB = 32775,
    ID_MOD_LSB = 32776,
    ID_MOD_CW = 32777,
    ID_MOD_DRM = 32778,
    ID_MOD_DIGITAL = 32779,
    ID_MOD_NFM = 32812,

    ID_STATION_NEW = 32788,
    ID_STATION_EDIT = 32789,
    ID_STATION_DELETE = 32790,
    ID_SEARCH_START = 32791,
    ID_SEARCH_RESET = 32792,

    ID_SORT_FREQUENCY = 32793,
    ID_SORT_NAME = 32794,
    ID_SORT_MODULATION = 32795,
    ID_SORT_LOCATION = 32796,

    ID_TIME_ALL = 32797,
    ID_TIME_ACTIVE = 32798,
    ID_TIME_REFRESH = 32799,
    ID_TIME_LOCAL = 32800,
    ID_TIME_GMT = 32801,
    ID_TIME_TOGGLE_ACTIVE = 32830,

    ID_PPC_SAVE = 32804,
    ID_PPC_LOAD = 32805,
    ID_IMPORT_SCHEDULE = 32833,
    ID_IMPORT_BROADCAST_SCHEDULE = 32840, // CSV and text schedules, to replace or add to the list

    // The receiver menu: ids of its own, clear of the established ones.
    ID_RECEIVER_TUNE = 32850,
    ID_RECEIVER_FOLLOW = 32851,
    ID_RECEIVER_SETTINGS = 32852,

    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};

} // namespace kavrin::orvale
