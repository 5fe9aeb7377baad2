// Non-visual core of the desktop program.
