#pragma once
// Pictures the program carries, linked in as byte arrays (generated from resources/*.png, *.gif,
// which scripts/make_pictures.py draws). Each array holds a whole encoded file; its size is beside it.

// Background of every skinned window: animated GIF, 391 x 220, six frames.
extern const unsigned char kBackground[];
extern const unsigned int kBackgroundSize;

// Caption buttons, 26 x 18 (close 38 x 18), light glyphs on transparent ground.
extern const unsigned char kCaptionHelp[];
extern const unsigned int kCaptionHelpSize;
extern const unsigned char kCaptionMenu[];
extern const unsigned int kCaptionMenuSize;
extern const unsigned char kCaptionMinimize[];
extern const unsigned int kCaptionMinimizeSize;
extern const unsigned char kCaptionMaximize[];
extern const unsigned int kCaptionMaximizeSize;
extern const unsigned char kCaptionRestore[];
extern const unsigned int kCaptionRestoreSize;
extern const unsigned char kCaptionClose[];
extern const unsigned int kCaptionCloseSize;

// Check-box glyphs, 13 x 13.
extern const unsigned char kCheckUnchecked[];
extern const unsigned int kCheckUncheckedSize;
extern const unsigned char kCheckChecked[];
extern const unsigned int kCheckCheckedSize;

// Drop-button arrow of combo boxes, 7 x 4.
extern const unsigned char kComboArrow[];
extern const unsigned int kComboArrowSize;

// Up-down arrows: up and down 7 x 4, left and right 4 x 7.
extern const unsigned char kUpdownUp[];
extern const unsigned int kUpdownUpSize;
extern const unsigned char kUpdownDown[];
extern const unsigned int kUpdownDownSize;
extern const unsigned char kUpdownLeft[];
extern const unsigned int kUpdownLeftSize;
extern const unsigned char kUpdownRight[];
extern const unsigned int kUpdownRightSize;
