#pragma once

#include "ui/commands/CommandBars.h"

namespace kavrin::orvale {

// Command ids of the desktop program, the established numbers of its menus and toolbar, and the
// layout of its menu bar and toolbar.
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

// The menu bar: one row an entry, menu by menu in order (CommandBars.h).
inline constexpr MenuEntry kMenuBar[] = {
    {"&File", ID_STATION_NEW},
    {"&File", ID_STATION_EDIT},
    {"&File", ID_STATION_DELETE},
    {"&File", kSeparator},
    {"&File/Import", ID_IMPORT_SCHEDULE},
    {"&File/Import", ID_IMPORT_BROADCAST_SCHEDULE},
    {"&File", kSeparator},
    {"&File", ID_APP_EXIT},

    {"&View", ID_VIEW_TOOLBAR},
    {"&View", ID_VIEW_STATUS_BAR},
    {"&View", kSeparator},
    {"&View", ID_SORT_FREQUENCY},
    {"&View", ID_SORT_NAME},
    {"&View", ID_SORT_MODULATION},
    {"&View", ID_SORT_LOCATION},

    {"&Frequency", ID_FREQ_ALL},
    {"&Frequency", kSeparator},
    {"&Frequency", ID_FREQ_LF},
    {"&Frequency", ID_FREQ_MW},
    {"&Frequency", ID_FREQ_SW},
    {"&Frequency", ID_FREQ_VHF},
    {"&Frequency", ID_FREQ_FM},
    {"&Frequency", ID_FREQ_UHF},
    {"&Frequency", kSeparator},
    {"&Frequency", ID_FREQ_USER},

    {"&Modulation", ID_MOD_ALL},
    {"&Modulation", kSeparator},
    {"&Modulation", ID_MOD_AM},
    {"&Modulation", ID_MOD_FM},
    {"&Modulation", ID_MOD_NFM},
    {"&Modulation", ID_MOD_USB},
    {"&Modulation", ID_MOD_LSB},
    {"&Modulation", ID_MOD_CW},
    {"&Modulation", ID_MOD_DRM},
    {"&Modulation", ID_MOD_DIGITAL},

    {"&Search", ID_SEARCH_START},
    {"&Search", ID_SEARCH_RESET},

    {"&Time", ID_TIME_ALL},
    {"&Time", ID_TIME_ACTIVE},
    {"&Time", kSeparator},
    {"&Time", ID_TIME_LOCAL},
    {"&Time", ID_TIME_GMT},
    {"&Time", kSeparator},
    {"&Time", ID_TIME_REFRESH},

    {"&Pocket PC", ID_PPC_SAVE},
    {"&Pocket PC", ID_PPC_LOAD},

    {"&Receiver", ID_RECEIVER_TUNE},
    {"&Receiver", ID_RECEIVER_FOLLOW},
    {"&Receiver", kSeparator},
    {"&Receiver", ID_RECEIVER_SETTINGS},

    {"&Help", ID_APP_ABOUT},
};

// The toolbar, left to right.
inline constexpr int kToolBar[] = {
    ID_STATION_NEW,
    ID_STATION_EDIT,
    kSeparator,
    ID_FREQ_ALL,
    ID_FREQ_LF,
    ID_FREQ_MW,
    ID_FREQ_SW,
    ID_FREQ_VHF,
    ID_FREQ_FM,
    ID_FREQ_UHF,
    ID_FREQ_USER,
    kSeparator,
    ID_MOD_ALL,
    ID_MOD_AM,
    ID_MOD_FM,
    ID_MOD_NFM,
    ID_MOD_USB,
    ID_MOD_LSB,
    ID_MOD_CW,
    ID_MOD_DRM,
    ID_MOD_DIGITAL,
    kSeparator,
    ID_TIME_TOGGLE_ACTIVE,
    kSeparator,
    ID_APP_ABOUT,
    kSeparator,
    ID_RECEIVER_TUNE,
};

} // namespace kavrin::orvale
