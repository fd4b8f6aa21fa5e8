// Never gets to run: the DLL it imports is not beside it (see CMakeLists.txt), so
// Windows ends it with STATUS_DLL_NOT_FOUND and no output.
extern "C" __declspec(dllimport) int AbsentLibraryAnswer();

int main() { return AbsentLibraryAnswer(); }
