// A DLL that the build puts where no program finds it: a program that needs it
// is ended by Windows before its main function, printing nothing.
extern "C" __declspec(dllexport) int AbsentLibraryAnswer() { return 0; }
