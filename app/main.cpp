// main.cpp — norva.exe.
#include <windows.h>

#include "startup.h"
#include "widetext.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int showCommand) {
    return runProgram(toBytes(arguments ? arguments : L"", CP_ACP), showCommand);
}
