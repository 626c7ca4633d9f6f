// The window tests run against settings files and a runtime folder of their own, made the
// way the shell tests make theirs.
#include "shell/IsolatedUserFolders.cpp"
