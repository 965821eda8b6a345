// Gives every layer library at least one source file, so a layer that has
// no sources of its own yet still builds.
