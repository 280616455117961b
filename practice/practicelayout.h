// practicelayout.h — where the practice window's layout stands: its
// controls and painted texts are placed relative to one origin, which
// follows the client area so that the layout stays centred.
#pragma once

constexpr int kContentLeft = 15;  // the origin at the window's own size, and its least
constexpr int kContentTop = 10;

struct ContentOrigin {
    int left, top;
};

// The origin that centres the 630 x 270 layout in a client area of this
// size, never left of 15 nor above 10.
ContentOrigin centredContentOrigin(int clientWidth, int clientHeight);
