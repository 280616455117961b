// practicelayout.cpp — the centred origin of the practice window's layout.
#include "practicelayout.h"

#include <algorithm>

ContentOrigin centredContentOrigin(int clientWidth, int clientHeight) {
    return {std::max(kContentLeft, (clientWidth - 630) / 2 + kContentLeft),
            std::max(kContentTop, (clientHeight - 270) / 2 + kContentTop)};
}
