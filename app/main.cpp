#include "app/TEcfgApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return CWinApp::WinMainRun(&theApp);
}
