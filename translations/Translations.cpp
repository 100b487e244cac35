// The library's resources are the compiled translations; it has no code of
// its own.
