// Removed once the module has sources of its own.
