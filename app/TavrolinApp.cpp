// The program's one application object.
#include "app/shell/TavrolinApp.h"

CTavrolinApp theApp;
