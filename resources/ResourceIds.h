// Names for the module's resource ids that code refers to: the messages that have no
// number of their own elsewhere, and the dialog templates and menus.
#pragma once

namespace res {

// Messages.
inline constexpr unsigned IDS_LINKS_DROPPED = 3;
inline constexpr unsigned IDS_LOST_LINK = 32861;
inline constexpr unsigned IDS_DELETE_ITEMS = 61001;
inline constexpr unsigned IDS_APPLY_CORRECTIONS = 61002;
inline constexpr unsigned IDS_NO_LINKS_IN_EXPORT = 61003;
inline constexpr unsigned IDS_CANNOT_OPEN_RTF = 61004;
inline constexpr unsigned IDS_SPECIFICATION_NOT_LOADED = 61005;
inline constexpr unsigned IDS_CONTROLS_NOT_LOADED = 61006;
inline constexpr unsigned IDS_RTF_FILTER = 61007;
inline constexpr unsigned IDS_POSITION_PREFIX = 61008;
inline constexpr unsigned IDS_ZONE_PREFIX = 61009;
inline constexpr unsigned IDS_CANNOT_OPEN_FILE = 61010;
inline constexpr unsigned IDS_NOT_LATEST_VERSION = 61011;
inline constexpr unsigned IDS_NOT_NOTEBOOK_FILE = 61012;
inline constexpr unsigned IDS_NOT_OLD_TABLE_FILE = 61013;
inline constexpr unsigned IDS_OLD_IMPORT_ERROR = 61014;
inline constexpr unsigned IDS_CANNOT_DELETE_FILE = 61015;
inline constexpr unsigned IDS_DELETE_MANUALLY = 61016;
inline constexpr unsigned IDS_IMPORT_FROM_FILE = 61017;
inline constexpr unsigned IDS_CONFIRM_DELETE = 61018;
inline constexpr unsigned IDS_CONFIRM_DELETE_ITEMS = 61019;
inline constexpr unsigned IDS_SAVE_CHANGES = 61020;
inline constexpr unsigned IDS_STRING_NOT_FOUND = 61021;

// The desktop window of the reference host.
inline constexpr unsigned IDS_GUI_CAPTION = 61100;
inline constexpr unsigned IDS_GUI_UNTITLED = 61101;
inline constexpr unsigned IDS_GUI_MENU_FILE = 61102;
inline constexpr unsigned IDS_GUI_FILE_NEW = 61103;
inline constexpr unsigned IDS_GUI_FILE_OPEN = 61104;
inline constexpr unsigned IDS_GUI_FILE_SAVE = 61105;
inline constexpr unsigned IDS_GUI_FILE_SAVE_AS = 61106;
inline constexpr unsigned IDS_GUI_FILE_EXIT = 61107;
inline constexpr unsigned IDS_GUI_MENU_REQUIREMENTS = 61108;
inline constexpr unsigned IDS_GUI_CMD_CONDITIONS = 61109;
inline constexpr unsigned IDS_GUI_CMD_PARAMETERS = 61110;
inline constexpr unsigned IDS_GUI_CMD_DTEXT = 61111;
inline constexpr unsigned IDS_GUI_CMD_CALCULATOR = 61112;
inline constexpr unsigned IDS_GUI_CMD_NOTEBOOK = 61113;
inline constexpr unsigned IDS_GUI_MENU_VIEW = 61114;
inline constexpr unsigned IDS_GUI_ZOOM_IN = 61115;
inline constexpr unsigned IDS_GUI_ZOOM_OUT = 61116;
inline constexpr unsigned IDS_GUI_FIT = 61117;
inline constexpr unsigned IDS_GUI_DRAWING_FILTER = 61118;
inline constexpr unsigned IDS_GUI_COMMAND_LABEL = 61119;
inline constexpr unsigned IDS_GUI_PICK_POINT = 61120;
inline constexpr unsigned IDS_GUI_PICK_OBJECT = 61121;
inline constexpr unsigned IDS_GUI_NO_OBJECT_HERE = 61122;
inline constexpr unsigned IDS_GUI_SAVE_DRAWING = 61123;
inline constexpr unsigned IDS_GUI_READY = 61124;
inline constexpr unsigned IDS_GUI_BUSY = 61125;

// Abbreviations of the ruler's measurement units.
inline constexpr unsigned IDS_UNIT_CM = 32833;
inline constexpr unsigned IDS_UNIT_POINT = 32834;
inline constexpr unsigned IDS_UNIT_PICA = 32835;
inline constexpr unsigned IDS_UNIT_INCH = 32836;

// Dialog templates.
inline constexpr unsigned IDD_FRACTION = 1;
inline constexpr unsigned IDD_COLUMN_PROPERTIES = 2;
inline constexpr unsigned IDD_TEXT_IMPORT = 7;
inline constexpr unsigned IDD_DTEXT = 11;
inline constexpr unsigned IDD_NOTE_EMB = 16;
inline constexpr unsigned IDD_INSERT_TABLE = 18;
inline constexpr unsigned IDD_JUSTIFY = 20;
inline constexpr unsigned IDD_OPEN_MERGE = 24;
inline constexpr unsigned IDD_CALCULATOR = 102;
inline constexpr unsigned IDD_FIND = 1540;
inline constexpr unsigned IDD_REQPAD = 12000;
inline constexpr unsigned IDD_NOTEBOOK = 12042;

// Menus.
inline constexpr unsigned IDR_TABLE_CONTEXT = 4;
inline constexpr unsigned IDR_CALCULATOR = 130;
inline constexpr unsigned IDR_REQPAD = 12030;
inline constexpr unsigned IDR_NOTEBOOK_CONTEXT = 12043;

// Bitmaps. The ruler markers are image and mask pairs (the mask at id + 1).
inline constexpr unsigned IDB_RULER_UP = 12020;
inline constexpr unsigned IDB_RULER_DOWN = 12022;
inline constexpr unsigned IDB_RULER_BLOCK = 12024;
inline constexpr unsigned IDB_RULER_TAB = 12026;
inline constexpr unsigned IDB_NOTEBOOK_TREE = 12044; // a strip of 16 x 15 images
inline constexpr unsigned IDB_COLUMN_PICTURE = 1048;
inline constexpr unsigned IDB_ALIGNMENT = 9999;

// Bitmaps that are strips of equally sized images for an image list.
struct ImageStrip {
    unsigned id;
    int imageWidth;
    int imageHeight;
};
inline constexpr ImageStrip kImageStrips[] = {{IDB_NOTEBOOK_TREE, 16, 15}};

// Cursors.
inline constexpr unsigned IDC_PAGE_VIEW = 9150;

} // namespace res
