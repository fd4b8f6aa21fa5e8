// The program's one application object. It lives in its own file so that test
// programs can link the application classes and make an object of their own.
#include "app/VaultryApp.h"

CVaultryApp theApp;
