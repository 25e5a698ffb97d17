#pragma once
// Pictures the program carries, linked in as byte arrays (generated from resources/*.png, *.gif).

extern const unsigned char kBackground[];
extern const unsigned int kBackgroundSize;
