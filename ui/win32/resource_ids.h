// The program's resources, numbered for its .rc file and the code alike (the resource compiler
// reads this header too, so it holds macros only).
#pragma once

#define SOLVANIX_ICON 1
#define SOLVANIX_BANNER 2
