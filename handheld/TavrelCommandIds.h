#pragma once

#include "ui/commands/CommandBars.h"

namespace kavrin::tavrel {

// Command ids of the handheld program: the established numbers of its menus, header anchors and
// worker notices; and the layout of its popup menus.
enum TavrelCommandId : int {
    IDC_LOAD = 1000,      // starts the load worker
    IDC_SORT_MENU = 1005, // header anchors: each opens its menu
    IDC_MOD_MENU = 1006,
    IDC_TIME_MENU = 1007,
    IDC_FILE_MENU = 1008,
    IDC_SEARCH_MENU = 1009,
    IDC_FREQ_MENU = 1010,
    IDC_WORKER_PROGRESS = 1029, // sent by the worker
    IDC_WORKER_DONE = 1030,     // posted by the worker

    ID_MOD_AM = 32776,
    ID_MOD_FM = 32777,
    ID_MOD_USB = 32778,
    ID_MOD_LSB = 32779,
    ID_MOD_CW = 32780,
    ID_MOD_DIGITAL = 32781,
    ID_TIME_ALL = 32782,
    ID_TIME_LOCAL = 32783,
    ID_TIME_GMT = 32784,
    ID_STATION_NEW = 32785,
    ID_STATION_EDIT = 32786,
    ID_APP_ABOUT = 32787,
    ID_APP_EXIT = 32788,
    ID_SORT_FREQUENCY = 32789,
    ID_SORT_NAME = 32790,
    ID_SORT_MODULATION = 32791,
    ID_SORT_LOCATION = 32793,
    ID_FREQ_ALL = 32794,
    ID_FREQ_USER = 32796,
    ID_FREQ_LF = 32797,
    ID_FREQ_MW = 32798,
    ID_FREQ_SW = 32799,
    ID_FREQ_VHF = 32800,
    ID_FREQ_FM = 32801,
    ID_MOD_ALL = 32802,
    ID_TIME_ACTIVE = 32803,
    ID_FREQ_UHF = 32804,
    ID_STATION_DELETE = 32805,
    ID_TIME_REFRESH = 32806,
    ID_SEARCH_START = 32807,
    ID_SEARCH_RESET = 32808,
    ID_MOD_DRM = 32809,
    ID_MOD_NFM = 32810,
};

// The popup menus (each one popup of items built from the command table).
enum TavrelMenuId : int {
    IDR_MENU_MODULATION = 131,
    IDR_MENU_TIME = 132,
    IDR_MENU_FILE = 133,
    IDR_MENU_SORT = 134,
    IDR_MENU_FREQUENCY = 135,
    IDR_MENU_STATION = 136,
    IDR_MENU_SEARCH = 137,
};

// One entry of a popup menu: command `id`, or kSeparator, at the end of menu `menu`.
struct PopupEntry {
    int menu;
    int id;
};

// The popup menus: one row an entry, in order.
inline constexpr PopupEntry kPopupMenus[] = {
    {IDR_MENU_FILE, ID_STATION_NEW},       {IDR_MENU_FILE, ID_STATION_EDIT},
    {IDR_MENU_FILE, ID_STATION_DELETE},    {IDR_MENU_FILE, kSeparator},
    {IDR_MENU_FILE, ID_APP_ABOUT},         {IDR_MENU_FILE, ID_APP_EXIT},

    {IDR_MENU_SEARCH, ID_SEARCH_START},    {IDR_MENU_SEARCH, ID_SEARCH_RESET},

    {IDR_MENU_TIME, ID_TIME_ALL},          {IDR_MENU_TIME, ID_TIME_ACTIVE},
    {IDR_MENU_TIME, ID_TIME_REFRESH},      {IDR_MENU_TIME, kSeparator},
    {IDR_MENU_TIME, ID_TIME_LOCAL},        {IDR_MENU_TIME, ID_TIME_GMT},

    {IDR_MENU_FREQUENCY, ID_FREQ_ALL},     {IDR_MENU_FREQUENCY, kSeparator},
    {IDR_MENU_FREQUENCY, ID_FREQ_LF},      {IDR_MENU_FREQUENCY, ID_FREQ_MW},
    {IDR_MENU_FREQUENCY, ID_FREQ_SW},      {IDR_MENU_FREQUENCY, ID_FREQ_VHF},
    {IDR_MENU_FREQUENCY, ID_FREQ_FM},      {IDR_MENU_FREQUENCY, ID_FREQ_UHF},
    {IDR_MENU_FREQUENCY, kSeparator},      {IDR_MENU_FREQUENCY, ID_FREQ_USER},

    {IDR_MENU_MODULATION, ID_MOD_ALL},     {IDR_MENU_MODULATION, kSeparator},
    {IDR_MENU_MODULATION, ID_MOD_AM},      {IDR_MENU_MODULATION, ID_MOD_FM},
    {IDR_MENU_MODULATION, ID_MOD_NFM},     {IDR_MENU_MODULATION, ID_MOD_USB},
    {IDR_MENU_MODULATION, ID_MOD_LSB},     {IDR_MENU_MODULATION, ID_MOD_CW},
    {IDR_MENU_MODULATION, ID_MOD_DRM},     {IDR_MENU_MODULATION, ID_MOD_DIGITAL},

    {IDR_MENU_SORT, ID_SORT_FREQUENCY},    {IDR_MENU_SORT, ID_SORT_NAME},
    {IDR_MENU_SORT, ID_SORT_MODULATION},   {IDR_MENU_SORT, ID_SORT_LOCATION},

    {IDR_MENU_STATION, ID_STATION_NEW},    {IDR_MENU_STATION, ID_STATION_EDIT},
    {IDR_MENU_STATION, ID_STATION_DELETE},
};

} // namespace kavrin::tavrel
