// Shared helpers for the test executables live in this folder.
